#!/usr/bin/env bash
# postepy --csv opened as a spreadsheet with Polish settings opens it: LibreOffice Calc, headless,
# imports it with the Polish locale, ';' between fields and special numbers detected (what
# double-clicking the file does), and saves it as flat OpenDocument; then every cell's type is
# checked: numbers are numbers (decimal commas too), dates are dates, fact labels (a division
# too) and names that look like formulas are text, and no cell is a formula or a time.
# Usage: spreadsheet_csv_test.sh BIN_DIR WORK_DIR
set -euo pipefail
bin=$1 work=$2
if ! command -v soffice >/dev/null; then
  [[ -n ${CI:-} ]] && { echo "soffice missing" >&2; exit 1; }
  echo "skipped: no LibreOffice"; exit 77
fi
rm -rf "$work" && mkdir -p "$work/klasa"
cd "$work"
printf 'Ala\nŁucja\n=1+2\n@Ola\n' > klasa/uczniowie.txt
printf 'tabliczka practice 2\n2 2 5 20790\n6 7 1 20796\n7 8 1 20796\n: 56 8 1 20796\n' \
  > klasa/practice-Ala.txt
printf 'tabliczka practice 1\n6 7 2 20788\n7 8 1 20788\n8 4 4 20788\n' > klasa/practice-Łucja.txt
printf 'tabliczka practice 1\n8 4 2 20795\n' > 'klasa/practice-=1+2.txt'
FIXED_CLOCK_DAY=20796 "$bin/postepy_fixed_clock" --csv klasa > klasa.csv

soffice -env:UserInstallation="file://$work/profile" --headless \
  --infilter="CSV:59,34,76,1,,1045,false,true,false,false,true" \
  --convert-to fods --outdir "$work" klasa.csv >/dev/null 2>&1
# One line per cell: its type, its value as stored, its text.
tr -d '\n' < klasa.fods | sed 's/<table:table-cell/\n&/g' |
  sed -nE 's/^<table:table-cell[^>]*office:value-type="([a-z]+)"( office:(date-)?value="([^"]*)")?[^>]*>.*<text:p>([^<]*)<\/text:p>.*/\1 \4 \5/p' \
  > cells.txt

failed=0
expect() {  # expect COUNT LINE: LINE stands in cells.txt COUNT times
  local found
  found=$(grep -cxF -- "$2" cells.txt || true)
  if [[ $found != "$1" ]]; then
    echo "expected $1 cell(s) '$2', found $found" >&2
    failed=1
  fi
}
expect 5 "date 2026-12-09 2026-12-09"  # Ala's last day, the week's last day for each
expect 4 "date 2026-12-03 2026-12-03"  # the week's first day, each learner
expect 1 "date 2026-12-01 2026-12-01"  # Łucja's last day
expect 1 "float 1.5 1.5"               # 6×7's mean box, written 1,50
expect 1 "float 3 3"                   # 8×4's mean box, written 3,00
expect 2 "float 97 97"                 # Ala's and Łucja's facts never asked
expect 1 "string  8×4"
expect 1 "string  10×10"
expect 1 "string  56∶8"                # a division, not 56 hours and 8 minutes
expect 2 "string  &apos;=1+2"          # the name, in both tables
expect 2 "string  &apos;@Ola"
# Text cells: the heads (14 + 4 + 4 names), names and tak/nie (2 each of 4 learners), the 200
# fact labels (Ala's division brings the 100 divisions), nothing else: every number, date and
# empty cell is not text, and no cell is a time.
expect 0 "string  "
strings=$(grep -c '^string ' cells.txt || true)
[[ $strings == 230 ]] || { echo "expected 230 text cells, found $strings" >&2; failed=1; }
times=$(grep -c '^time ' cells.txt || true)
[[ $times == 0 ]] || { echo "expected no time cells, found $times" >&2; failed=1; }
if grep -q 'table:formula' klasa.fods; then
  echo "a cell became a formula" >&2
  failed=1
fi
exit $failed
