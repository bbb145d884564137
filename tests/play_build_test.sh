#!/usr/bin/env bash
# Runs README.md's command for playing in a fresh copy of the source tree, with GoogleTest out
# of reach: it must configure, build and start the menu (given the answer 3, which starts
# nothing, the menu shows its title screen and questions and ends with status 0), and build
# only the six programs, no test program and no test helper.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

play_command=$(grep -m1 -E '^cmake --preset play ' "$source_dir/README.md") ||
  { echo "README.md has no line starting: cmake --preset play"; exit 1; }

# The source as a fresh clone has it: no build folders, no repository.
mkdir "$work/clone"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$work/clone" -xf -

# find_package(GTest) fails at once if anything asks for it; ccache, where there is one, keeps
# a second run short.
extra="-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON"
if command -v ccache >/dev/null; then
  extra+=" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  export CCACHE_BASEDIR="$work/clone" CCACHE_NOHASHDIR=true
fi
command=${play_command/#cmake --preset play /cmake --preset play $extra }
echo "$command"

status=0
(cd "$work/clone" && printf '3\n' | setsid bash -c "$command" >"$work/output" 2>&1) || status=$?
if ((status != 0)); then
  cat "$work/output"
  echo "the play command ended with status $status"
  exit 1
fi

# The stored code page 852 bytes of the title screen and the first question.
for expected in 'wersja 2.0' ' TRIVELANKO !' $'Pytania maj\xa5 by\x86 do:'; do
  grep -a -q -F "$expected" "$work/output" ||
    { cat "$work/output"; echo "the menu did not show: $expected"; exit 1; }
done

build_dir=$(find "$work/clone" -maxdepth 2 -name CMakeCache.txt -printf '%h\n')
programs=$(cd "$build_dir/bin" && ls | tr '\n' ' ')
if [[ "$programs" != "postepy pym qor trivelanko vek zif " ]]; then
  echo "built: $programs"
  echo "expected only: postepy pym qor trivelanko vek zif"
  exit 1
fi
others=$(find "$build_dir" -type f -executable \( -name '*_test' -o -name '*fixed_clock*' \
  -o -name '*probe*' \))
[[ -z "$others" ]] || { echo "test programs built: $others"; exit 1; }
echo "the play command built only the six programs and started the menu"
