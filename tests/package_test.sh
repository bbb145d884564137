#!/usr/bin/env bash
# Makes the Debian package with CPack, checks that it holds exactly the programs in /usr/games,
# the compressed manual pages, the changelog and the copyright file, with a Polish and English
# description, that lintian finds nothing of level warning or above (and, in a hardened Release
# build, no hardening tag at all), then unpacks it into a temporary root and plays from there:
# the unpacked trivelanko starts the unpacked qor.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/unpack_and_play.sh"

make_package DEB "$build_dir"
deb=$(ls "$work"/tabliczka_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sort | tr '\n' ' ')
expected="./usr/ ./usr/games/ ./usr/games/pym ./usr/games/qor ./usr/games/trivelanko \
./usr/games/vek ./usr/games/zif ./usr/share/ ./usr/share/doc/ ./usr/share/doc/tabliczka/ \
./usr/share/doc/tabliczka/changelog.gz ./usr/share/doc/tabliczka/copyright ./usr/share/man/ \
./usr/share/man/man6/ ./usr/share/man/man6/pym.6.gz ./usr/share/man/man6/qor.6.gz \
./usr/share/man/man6/trivelanko.6.gz ./usr/share/man/man6/vek.6.gz ./usr/share/man/man6/zif.6.gz "
expect_listing "package holds" "$contents" "$expected"
description=$(dpkg-deb -f "$deb" Description)
grep -q 'tabliczki mnożenia' <<<"$description" || { echo "no Polish description"; exit 1; }
grep -q 'multiplication table' <<<"$description" || { echo "no English description"; exit 1; }
[[ $(dpkg-deb -f "$deb" Package) == tabliczka ]] || { echo "wrong package name"; exit 1; }
[[ $(dpkg-deb -f "$deb" Section) == games ]] || { echo "not in section games"; exit 1; }

# Every tag of level warning or error fails; the info tags are listed for the log.
report=$(lintian --display-level '>=info' --fail-on error,warning "$deb" 2>/dev/null) ||
  { echo "$report"; echo "lintian found the above"; exit 1; }
if [[ -n $report ]]; then echo "$report"; fi
# A hardened build (all but the debug and the sanitizer ones) leaves no hardening tag, of any
# level. Save one at -O2 (RelWithDebInfo, the suite's own build): there the compiler cannot see
# the size of the one buffer whose read it could check, so lintian finds no fortified call; at
# -O3 (Release, as README's package is made) it can, and that tag goes too.
cache=$build_dir/CMakeCache.txt
if grep -q '^TABLICZKA_HARDENED:INTERNAL=ON$' "$cache"; then
  hardening=$({ grep -o 'hardening-[a-z-]*' <<<"$report" || true; } | sort -u | tr '\n' ' ')
  if ! grep -q '^CMAKE_BUILD_TYPE:[A-Z]*=Release$' "$cache"; then
    hardening=${hardening/hardening-no-fortify-functions /}
  fi
  [[ -z $hardening ]] || { echo "a hardened build, yet lintian tags it: $hardening"; exit 1; }
fi

dpkg -x "$deb" "$work/root"
mkdir "$work/elsewhere"
cd "$work/elsewhere"
play_round "the unpacked qor" env PATH=/usr/bin:/bin "$work/root/usr/games/trivelanko"
echo "package $(basename "$deb"): contents as expected; the unpacked programs play"
