#!/usr/bin/env bash
# Makes the Debian package with CPack, checks that it holds exactly the programs in /usr/games,
# the compressed manual pages, the changelog and the copyright file, the menu's desktop entry,
# icon and AppStream metadata (each passing its validator), with a Polish and English
# description, that lintian finds nothing of level warning or above (and, in a hardened build,
# no hardening tag at all), then unpacks it into a temporary root and plays from there: the
# unpacked trivelanko, which the desktop entry starts, starts the unpacked qor.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/unpack_and_play.sh"

make_package DEB "$build_dir"
deb=$(ls "$work"/tabliczka_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sort | tr '\n' ' ')
expect_listing "package holds" "$contents" "./usr/ ./usr/games/ ./usr/games/postepy \
./usr/games/pym ./usr/games/qor ./usr/games/trivelanko ./usr/games/vek ./usr/games/zif \
./usr/share/ ./usr/share/applications/ ./usr/share/applications/$app_id.desktop \
./usr/share/doc/ ./usr/share/doc/tabliczka/ ./usr/share/doc/tabliczka/changelog.gz \
./usr/share/doc/tabliczka/copyright ./usr/share/icons/ ./usr/share/icons/hicolor/ \
./usr/share/icons/hicolor/256x256/ ./usr/share/icons/hicolor/256x256/apps/ \
./usr/share/icons/hicolor/256x256/apps/$app_id.png ./usr/share/icons/hicolor/48x48/ \
./usr/share/icons/hicolor/48x48/apps/ ./usr/share/icons/hicolor/48x48/apps/$app_id.png \
./usr/share/icons/hicolor/scalable/ ./usr/share/icons/hicolor/scalable/apps/ \
./usr/share/icons/hicolor/scalable/apps/$app_id.svg ./usr/share/man/ ./usr/share/man/man6/ \
./usr/share/man/man6/postepy.6.gz ./usr/share/man/man6/pym.6.gz \
./usr/share/man/man6/qor.6.gz ./usr/share/man/man6/trivelanko.6.gz \
./usr/share/man/man6/vek.6.gz ./usr/share/man/man6/zif.6.gz ./usr/share/metainfo/ \
./usr/share/metainfo/$app_id.metainfo.xml "
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
check_desktop_files "$work/root/usr/share"
read_entry_command "$work/root/usr/share"
[[ ${entry_command[*]} == /usr/games/trivelanko ]] ||
  { echo "the desktop entry starts: ${entry_command[*]}"; exit 1; }

mkdir "$work/elsewhere"
cd "$work/elsewhere"
play_round "the unpacked qor" env PATH=/usr/bin:/bin "$work/root${entry_command[0]}"
echo "package $(basename "$deb"): contents as expected; the unpacked programs play"
