#!/usr/bin/env bash
# Installs the build into a temporary prefix, then plays from there as a user would: the
# installed trivelanko, started from another directory with the answers piped in, starts the
# installed qor, which plays the rows after the menu.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/unpack_and_play.sh"

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
listed=$(cd "$work/prefix" && find . -type f | sort | tr '\n' ' ')
expected="./games/pym ./games/qor ./games/trivelanko ./games/vek ./games/zif \
./share/doc/tabliczka/changelog.gz ./share/doc/tabliczka/copyright ./share/man/man6/pym.6.gz \
./share/man/man6/qor.6.gz ./share/man/man6/trivelanko.6.gz ./share/man/man6/vek.6.gz \
./share/man/man6/zif.6.gz "
expect_listing installed "$listed" "$expected"

# man finds the compressed pages under the prefix, as `man 6 qor` does once it is on MANPATH.
for program in qor pym vek zif trivelanko; do
  shown=$(MANPATH="$work/prefix/share/man" MANWIDTH=80 man -E UTF-8 6 "$program" 2>&1 || true)
  grep -q "^NAZWA$" <<<"$shown" || { echo "man 6 $program: $shown"; exit 1; }
done

mkdir "$work/elsewhere"
cd "$work/elsewhere"
play_round "the installed qor" env PATH=/usr/bin:/bin "$work/prefix/games/trivelanko"
echo "installed into a prefix; trivelanko started the installed qor from another directory"
