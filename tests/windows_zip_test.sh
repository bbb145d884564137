#!/usr/bin/env bash
# Makes the Windows zip with CPack from a Windows build folder and checks it as a Windows user
# gets it: one folder holding exactly the six programs, each a console program for x86-64
# carrying the icon (the same drawing as the desktop's) and version information in Polish,
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
expect_listing "zip holds" "$listed" "$folder/CZYTAJ.TXT $folder/postepy.exe $folder/pym.exe \
$folder/qor.exe $folder/trivelanko.exe $folder/vek.exe $folder/zif.exe "

unzip -q "$zip" -d "$work/unpacked"
cd "$work/unpacked/$folder"
for program in postepy pym qor trivelanko vek zif; do
  kind=$(file -b "$program.exe")
  [[ $kind == "PE32+ executable (console) x86-64"* ]] || { echo "$program.exe: $kind"; exit 1; }

  # The icon Explorer shows: its largest image is the drawing at 256 pixels.
  wrestool -x --type=14 "$program.exe" >"$work/$program.ico"
  [[ -s $work/$program.ico ]] || { echo "$program.exe has no icon"; exit 1; }
  icotool -x --width=256 -o "$work/$program-256.png" "$work/$program.ico"
  differing=$(compare -metric AE "$work/$program-256.png" \
    "$source_dir/desktop/icons/256x256/$app_id.png" null: 2>&1) ||
    { echo "$program.exe's icon is not the drawing: $differing pixels differ"; exit 1; }

  # The version information its Properties show: the strings, in UTF-16, each after its name.
  version=$(wrestool -x --raw --type=16 "$program.exe" | iconv -f UTF-16LE -t UTF-8 -c |
    tr -s '\000-\037' '|')
  [[ -n $version ]] || { echo "$program.exe has no version information"; exit 1; }
  for expected in "|ProductName|Tabliczka mnożenia|" "|ProductVersion|2.0|" "|FileVersion|2.0|" \
    "|OriginalFilename|$program.exe|" "|FileDescription|Tabliczka mnożenia: "; do
    [[ $version == *"$expected"* ]] ||
      { echo "$program.exe's version information lacks $expected: $version"; exit 1; }
  done
done
# Each program's description tells it from the others, in Polish.
descriptions=$(for program in postepy pym qor trivelanko vek zif; do
  wrestool -x --raw --type=16 "$program.exe" | iconv -f UTF-16LE -t UTF-8 -c |
    tr -s '\000-\037' '\n' | grep -A1 -x FileDescription | tail -1
done | sort -u | wc -l)
((descriptions == 6)) || { echo "$descriptions different descriptions for six programs"; exit 1; }

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
grep -q 'Kliknij dwa razy plik trivelanko.exe' "$readme" ||
  { echo "$readme does not say to double-click trivelanko.exe"; exit 1; }

if [[ -n ${WINDOWS_RUNNER:-} ]]; then
  play_round "the unpacked qor.exe" "$WINDOWS_RUNNER" trivelanko.exe
  echo "played from the unpacked folder with $WINDOWS_RUNNER"
fi
echo "$(basename "$zip"): the six programs, each with its icon and version information, and \
CZYTAJ.TXT, as expected"
