#!/usr/bin/env bash
# Makes the Windows zip with CPack from a Windows build folder and checks it as a Windows user
# gets it: one folder holding exactly the six programs, each a console program for x86-64,
# and CZYTAJ.TXT, a Polish read-me in UTF-8 with a byte order mark and CR LF line ends that
# names every program. With WINDOWS_RUNNER set (wine), it also plays from the unpacked folder:
# the unpacked trivelanko.exe starts the unpacked qor.exe.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G ZIP --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log") ||
  { cat "$work/cpack.log"; exit 1; }
zip=$(ls "$work"/tabliczka-*-windows.zip)
folder=$(basename "$zip" .zip)

listed=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
expected="$folder/CZYTAJ.TXT $folder/postepy.exe $folder/pym.exe $folder/qor.exe $folder/trivelanko.exe \
$folder/vek.exe $folder/zif.exe "
if [[ "$listed" != "$expected" ]]; then
  echo "zip holds: $listed"
  echo "expected:  $expected"
  exit 1
fi

unzip -q "$zip" -d "$work/unpacked"
cd "$work/unpacked/$folder"
for program in postepy pym qor trivelanko vek zif; do
  kind=$(file -b "$program.exe")
  [[ $kind == "PE32+ executable (console) x86-64"* ]] || { echo "$program.exe: $kind"; exit 1; }
done

readme=CZYTAJ.TXT
[[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' ') == efbbbf ]] ||
  { echo "$readme does not start with the UTF-8 byte order mark"; exit 1; }
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || { echo "$readme is not UTF-8"; exit 1; }
lines=$(tr -cd '\n' <"$readme" | wc -c)
crlf=$(grep -c $'\r$' "$readme" || true)
bare_cr=$(($(tr -cd '\r' <"$readme" | wc -c) - crlf))
((lines > 0 && crlf == lines && bare_cr == 0)) ||
  { echo "$readme: $lines line ends, $crlf of them CR LF, $bare_cr lone CR"; exit 1; }
[[ $(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ') == 0d0a ]] ||
  { echo "$readme does not end with CR LF"; exit 1; }
for program in trivelanko qor pym vek zif postepy; do
  grep -q "$program.exe" "$readme" || { echo "$readme does not name $program.exe"; exit 1; }
done
grep -q 'JAK ZACZĄĆ' "$readme" || { echo "$readme does not say how to start"; exit 1; }

if [[ -n ${WINDOWS_RUNNER:-} ]]; then
  # Answers of 0, never a product: the score is 0 whatever is drawn.
  printf '1\n1\n5\n0\n0\n0\n0\n0\n' | setsid "$WINDOWS_RUNNER" trivelanko.exe >"$work/output"
  grep -a -q 'wersja 2.0/qor' "$work/output" || { echo "the unpacked qor.exe did not start"; exit 1; }
  grep -a -q $'Tw\xa2j wynik to: 0 na 5\\.\r$' "$work/output" ||
    { echo "the unpacked qor.exe did not play"; exit 1; }
  echo "played from the unpacked folder with $WINDOWS_RUNNER"
fi
echo "$(basename "$zip"): the six programs and CZYTAJ.TXT, as expected"
