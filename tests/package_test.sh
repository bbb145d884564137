#!/usr/bin/env bash
# Makes the Debian package with CPack, checks that it holds exactly the programs in /usr/games,
# the compressed manual pages, the changelog and the copyright file, with a Polish and English
# description, that lintian finds nothing of level warning or above, then unpacks it into a
# temporary root and plays from there: the unpacked trivelanko starts the unpacked qor.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log") ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/tabliczka_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sort | tr '\n' ' ')
expected="./usr/ ./usr/games/ ./usr/games/postepy ./usr/games/pym ./usr/games/qor ./usr/games/trivelanko \
./usr/games/vek ./usr/games/zif ./usr/share/ ./usr/share/doc/ ./usr/share/doc/tabliczka/ \
./usr/share/doc/tabliczka/changelog.gz ./usr/share/doc/tabliczka/copyright ./usr/share/man/ \
./usr/share/man/man6/ ./usr/share/man/man6/postepy.6.gz ./usr/share/man/man6/pym.6.gz ./usr/share/man/man6/qor.6.gz \
./usr/share/man/man6/trivelanko.6.gz ./usr/share/man/man6/vek.6.gz ./usr/share/man/man6/zif.6.gz "
if [[ "$contents" != "$expected" ]]; then
  echo "package holds: $contents"
  echo "expected:      $expected"
  exit 1
fi
description=$(dpkg-deb -f "$deb" Description)
grep -q 'tabliczki mnożenia' <<<"$description" || { echo "no Polish description"; exit 1; }
grep -q 'multiplication table' <<<"$description" || { echo "no English description"; exit 1; }
[[ $(dpkg-deb -f "$deb" Package) == tabliczka ]] || { echo "wrong package name"; exit 1; }
[[ $(dpkg-deb -f "$deb" Section) == games ]] || { echo "not in section games"; exit 1; }

# Every tag of level warning or error fails; the info tags are listed for the log.
lintian --display-level '>=info' --fail-on error,warning "$deb" 2>/dev/null ||
  { echo "lintian found the above"; exit 1; }

dpkg -x "$deb" "$work/root"
mkdir "$work/elsewhere"  # answers of 0, never a product: the score is 0 whatever is drawn
cd "$work/elsewhere"
printf '1\n1\n5\n0\n0\n0\n0\n0\n' | PATH=/usr/bin:/bin setsid "$work/root/usr/games/trivelanko" \
  >"$work/output"
grep -a -q 'wersja 2.0/qor' "$work/output" || { echo "the unpacked qor did not start"; exit 1; }
grep -a -q $'Tw\xa2j wynik to: 0 na 5\\.\r$' "$work/output" ||
  { echo "the unpacked qor did not play"; exit 1; }
echo "package $(basename "$deb"): contents as expected; the unpacked programs play"
