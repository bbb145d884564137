#!/usr/bin/env bash
# postepy --html in headless Chromium: one learner's page photographed, the grid's colours
# counted (each box's colour covers as many cells as the learner has facts in that box, and
# one square of the legend); the class's page printed to PDF on A4, each learner's part on a
# page of its own, the colours printed too.
# Usage: html_report_test.sh BIN_DIR WORK_DIR
set -euo pipefail
bin=$1 work=$2
for tool in chromium pdfinfo pdftoppm pdftotext convert; do
  if ! command -v "$tool" >/dev/null; then
    [[ -n ${CI:-} ]] && { echo "$tool missing" >&2; exit 1; }
    echo "skipped: no $tool"; exit 77
  fi
done
rm -rf "$work" && mkdir -p "$work/klasa" "$work/duza"
cd "$work"
export FIXED_CLOCK_DAY=20796
# Ala: 2×2 in box 5, 3×4 in box 3, 6×7 and 7×8 in box 1, none in box 2.
printf 'Ala\nŁucja\nZosia\n' > klasa/uczniowie.txt
printf 'tabliczka practice 1\n2 2 5 20790\n3 4 3 20795\n6 7 1 20796\n7 8 1 20796\n' \
  > klasa/practice-Ala.txt
# Łucja practised a division too: her page holds both grids.
printf 'tabliczka practice 2\n6 7 2 20788\n7 8 1 20788\n9 9 4 20788\n: 56 8 2 20788\n' \
  > klasa/practice-Łucja.txt
"$bin/postepy_fixed_clock" --html klasa > klasa.html
"$bin/postepy_fixed_clock" --html klasa Ala > ala.html
# A class of 25, each with a few facts.
for n in $(seq 1 25); do
  echo "Uczeń $n" >> duza/uczniowie.txt
  printf 'tabliczka practice 1\n%d 3 %d 20790\n' $((n % 10 + 1)) $((n % 5 + 1)) \
    > "duza/practice-Uczeń $n.txt"
done
"$bin/postepy_fixed_clock" --html duza > duza.html

browser() {  # browser ARGS...: headless Chromium with a profile of its own, nothing from outside
  local profile
  profile=$(mktemp -d "$work/profile.XXXXXX")
  timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" "$@" >/dev/null 2>&1
}
failed=0
fail() { echo "$*" >&2; failed=1; }

browser --hide-scrollbars --force-device-scale-factor=1 --window-size=800,900 \
  --screenshot="$work/ala.png" "file://$work/ala.html"
pixels() { convert ala.png -format %c histogram:info:- | grep -i "#$1 " | awk -F: '{print $1 + 0}'; }
box1=$(pixels CFE0F5) box2=$(pixels 8FB6E8) box3=$(pixels 3F7FCF) box45=$(pixels 173F7F)
echo "pixels: box 1 $box1, box 2 $box2, box 3 $box3, boxes 4 and 5 $box45"
square=${box2:-0}          # no fact in box 2: the legend's square alone
cell=$((${box3:-0} - square))  # one fact in box 3
((square > 500 && cell > 500)) || fail "the grid's squares are missing"
((${box1:-0} - square == 2 * cell)) || fail "box 1: not two cells and a square"
((${box45:-0} - square == cell)) || fail "boxes 4 and 5: not one cell and a square"

for page in klasa duza; do
  browser --no-pdf-header-footer --print-to-pdf="$work/$page.pdf" "file://$work/$page.html"
  pdfinfo "$page.pdf" | grep -q 'Page size:.*(A4)' || fail "$page: not on A4"
done
pages=$(pdfinfo klasa.pdf | awk '/^Pages:/ {print $2}')
[[ $pages == 4 ]] || fail "the class of three: $pages pages, not the class's and one each"
grep -qx 'dzielenie' <<< "$(pdftotext -f 3 -l 3 klasa.pdf -)" || fail "Łucja's division grid"
pdftoppm -f 2 -l 2 -r 50 -png klasa.pdf ala-printed
printed=$(convert ala-printed*.png -format %c histogram:info:-)
grep -qi '#173F7F' <<< "$printed" || fail "the grid's colours are not printed"
# The class of 25: its part, then each learner alone on one page: the last 25 pages hold one
# learner and one legend each.
pages=$(pdfinfo duza.pdf | awk '/^Pages:/ {print $2}')
for ((p = pages - 24; p <= pages; ++p)); do
  text=$(pdftotext -f "$p" -l "$p" duza.pdf -)
  [[ $(grep -cx 'jeszcze nie padło' <<< "$text") == 1 && $(grep -cE '^Uczeń [0-9]+$' <<< "$text") == 1 ]] ||
    fail "page $p of $pages: not one learner's part"
done
grep -q 'Postępy klasy' <<< "$(pdftotext -f 1 -l 1 duza.pdf -)" || fail "the class's part first"
exit $failed
