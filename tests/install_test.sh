#!/usr/bin/env bash
# Installs the build into a temporary prefix (its name holding a space, as a home folder's can),
# then plays from there as a user would: the command of the installed desktop entry, the
# installed trivelanko, started from another directory with the answers piped in, starts the
# installed qor, which plays the rows after the menu.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/unpack_and_play.sh"
prefix="$work/the prefix"

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
listed=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
expect_listing installed "$listed" "./games/postepy ./games/pym ./games/qor ./games/trivelanko \
./games/vek ./games/zif ./share/applications/$app_id.desktop ./share/doc/tabliczka/changelog.gz \
./share/doc/tabliczka/copyright ./share/icons/hicolor/256x256/apps/$app_id.png \
./share/icons/hicolor/48x48/apps/$app_id.png ./share/icons/hicolor/scalable/apps/$app_id.svg \
./share/man/man6/postepy.6.gz ./share/man/man6/pym.6.gz ./share/man/man6/qor.6.gz \
./share/man/man6/trivelanko.6.gz ./share/man/man6/vek.6.gz ./share/man/man6/zif.6.gz \
./share/metainfo/$app_id.metainfo.xml "

# man finds the compressed pages under the prefix, as `man 6 qor` does once it is on MANPATH.
for program in qor pym vek zif trivelanko postepy; do
  shown=$(MANPATH="$prefix/share/man" MANWIDTH=80 man -E UTF-8 6 "$program" 2>&1 || true)
  grep -q "^NAZWA$" <<<"$shown" || { echo "man 6 $program: $shown"; exit 1; }
done

check_desktop_files "$prefix/share"
read_entry_command "$prefix/share"
[[ ${entry_command[*]} == "$prefix/games/trivelanko" ]] ||
  { echo "the desktop entry starts: ${entry_command[*]}"; exit 1; }

mkdir "$work/elsewhere"
cd "$work/elsewhere"
play_round "the installed qor" env PATH=/usr/bin:/bin "${entry_command[@]}"
# The entry's actions start the installed vek, for multiplication and for division.
for action in "mnozenie:" "dzielenie: dzielenie"; do
  read_entry_command "$prefix/share" "Desktop Action ${action%%:*}"
  [[ ${entry_command[*]} == "$prefix/games/vek${action#*:}" ]] ||
    { echo "the action ${action%%:*} starts: ${entry_command[*]}"; exit 1; }
done
echo "installed into a prefix; its desktop entry's trivelanko started the installed qor from \
another directory"
