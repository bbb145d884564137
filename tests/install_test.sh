#!/usr/bin/env bash
# Installs the build into a temporary prefix, then plays from there as a user would: the
# installed trivelanko, started from another directory with the answers piped in, starts the
# installed qor, which plays the rows after the menu.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
listed=$(cd "$work/prefix" && find . -type f | sort | tr '\n' ' ')
expected="./games/postepy ./games/pym ./games/qor ./games/trivelanko ./games/vek ./games/zif \
./share/doc/tabliczka/changelog.gz ./share/doc/tabliczka/copyright \
./share/man/man6/postepy.6.gz ./share/man/man6/pym.6.gz ./share/man/man6/qor.6.gz ./share/man/man6/trivelanko.6.gz ./share/man/man6/vek.6.gz \
./share/man/man6/zif.6.gz "
if [[ "$listed" != "$expected" ]]; then
  echo "installed: $listed"
  echo "expected:  $expected"
  exit 1
fi

# man finds the compressed pages under the prefix, as `man 6 qor` does once it is on MANPATH.
for program in qor pym vek zif trivelanko postepy; do
  shown=$(MANPATH="$work/prefix/share/man" MANWIDTH=80 man -E UTF-8 6 "$program" 2>&1 || true)
  grep -q "^NAZWA$" <<<"$shown" || { echo "man 6 $program: $shown"; exit 1; }
done

mkdir "$work/elsewhere"  # answers of 0, never a product: the score is 0 whatever is drawn
cd "$work/elsewhere"
printf '1\n1\n5\n0\n0\n0\n0\n0\n' | PATH=/usr/bin:/bin setsid "$work/prefix/games/trivelanko" \
  >"$work/output"
# The stored code page 852 bytes: "wersja 2.0/qor" after the menu, then "Twój wynik to: 0 na 5."
grep -a -q 'wersja 2.0/qor' "$work/output" || { echo "the installed qor did not start"; exit 1; }
grep -a -q $'Tw\xa2j wynik to: 0 na 5\\.\r$' "$work/output" ||
  { echo "the installed qor did not play the rows after the menu"; exit 1; }
echo "installed into a prefix; trivelanko started the installed qor from another directory"
