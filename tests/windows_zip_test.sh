#!/usr/bin/env bash
# Makes the Windows zip with CPack from a Windows build folder and checks it as a Windows user
# gets it: one folder holding exactly the five programs, each a console program for x86-64,
# and CZYTAJ.TXT, a Polish read-me in UTF-8 with a byte order mark and CR LF line ends that
# names every program. With WINDOWS_RUNNER set (wine), it also plays from the unpacked folder:
# the unpacked trivelanko.exe starts the unpacked qor.exe.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/unpack_and_play.sh"

make_package ZIP "$build_dir"
zip=$(ls "$work"/tabliczka-*-windows.zip)
folder=$(basename "$zip" .zip)

listed=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
expected="$folder/CZYTAJ.TXT $folder/pym.exe $folder/qor.exe $folder/trivelanko.exe \
$folder/vek.exe $folder/zif.exe "
expect_listing "zip holds" "$listed" "$expected"

unzip -q "$zip" -d "$work/unpacked"
cd "$work/unpacked/$folder"
for program in pym qor trivelanko vek zif; do
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
for program in trivelanko qor pym vek zif; do
  grep -q "$program.exe" "$readme" || { echo "$readme does not name $program.exe"; exit 1; }
done
grep -q 'JAK ZACZĄĆ' "$readme" || { echo "$readme does not say how to start"; exit 1; }

if [[ -n ${WINDOWS_RUNNER:-} ]]; then
  play_round "the unpacked qor.exe" "$WINDOWS_RUNNER" trivelanko.exe
  echo "played from the unpacked folder with $WINDOWS_RUNNER"
fi
echo "$(basename "$zip"): the five programs and CZYTAJ.TXT, as expected"
