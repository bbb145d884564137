#!/usr/bin/env bash
# Renders every manual page as man and groff do, failing on any warning, and checks that each
# has the sections a reader looks for, says how an interrupt ends a program and, for each program
# that colours the terminal, how to give a terminal its own colours back (commands a reader can
# copy as shown), and names the other programs under ZOBACZ TAKŻE.
set -euo pipefail
pages_dir=$1
programs=(qor pym vek zif trivelanko postepy)
# postepy, the report, only writes text: it sets no colours.
colouring=(qor pym vek zif trivelanko)
failed=0
for program in "${programs[@]}"; do
  page="$pages_dir/$program.6"
  warnings=$(groff -k -t -man -Tutf8 -ww -z "$page" 2>&1 || echo "groff failed")
  warnings+=$(MANWIDTH=80 man -l --warnings=w -E UTF-8 "$page" 2>&1 >/dev/null || echo "man failed")
  if [[ -n "$warnings" ]]; then
    echo "$program.6: $warnings"
    failed=1
  fi
  shown=$(MANWIDTH=80 man -l -E UTF-8 "$page" 2>/dev/null)
  # Polish typography: no word hyphenated (groff's English patterns break Polish words) nor
  # broken at a hyphen, at any width; quotes „…”, never English ones.
  for width in 80 60 47; do
    if MANWIDTH=$width man -l -E UTF-8 "$page" 2>/dev/null | grep -q -E '[-‐]$'; then
      echo "$program: a line at $width columns ends in a hyphen"
      failed=1
    fi
  done
  if grep -q -E '“|‘' <<<"$shown"; then
    echo "$program: an English quote"
    failed=1
  fi
  for section in NAZWA SKŁADNIA OPIS PRZEBIEG KOMUNIKATY ZAKOŃCZENIE "KOD WYJŚCIA" UWAGI \
    "ZOBACZ TAKŻE"; do
    if ! grep -q "^$section\$" <<<"$shown"; then
      echo "$program.6: no section $section"
      failed=1
    fi
  done
  exit_status=$(sed -n '/^KOD WYJŚCIA$/,/^UWAGI$/p' <<<"$shown" | tr -s ' \n' '  ')
  if ! grep -q "130 po Ctrl+C" <<<"$exit_status"; then
    echo "$program.6: KOD WYJŚCIA does not say how an interrupt ends the program"
    failed=1
  fi
  notes=$(sed -n '/^UWAGI$/,/^ZOBACZ TAKŻE$/s/^ *//p' <<<"$shown")
  restores=()
  if [[ " ${colouring[*]} " == *" $program "* ]]; then
    restores=("printf '\\033]110\\a\\033]111\\a'" \
      "printf '\\033P\\033]110\\a\\033\\\\\\033P\\033]111\\a\\033\\\\'" "printf '\\033]R'")
  fi
  for restore in "${restores[@]}"; do
    if ! grep -q -x -F "$restore" <<<"$notes"; then
      echo "$program.6: UWAGI does not show: $restore"
      failed=1
    fi
  done
  see_also=$(sed -n '/^ZOBACZ TAKŻE$/,$p' <<<"$shown")
  for other in "${programs[@]}"; do
    if [[ $other != "$program" ]] && ! grep -q "$other(6)" <<<"$see_also"; then
      echo "$program.6: ZOBACZ TAKŻE does not name $other(6)"
      failed=1
    fi
  done
  if ! grep -q "^\.TH ${program^^} 6 " "$page"; then
    echo "$program.6: not a section 6 page of $program"
    failed=1
  fi
done
exit $failed
