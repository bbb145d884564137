#!/usr/bin/env bash
# The Windows programs on a console, under Wine: every case of console_driver.exe runs in a
# detached terminal pane of 80 x 30, where Wine's console host draws itself as a Unix
# terminal, so no X server is needed. Each case starts a program in that console, types at it
# and reads every cell back (see console_driver_win32.cc). Fails when any case fails, and
# shows what that case reported.
#
#   windows_console_test.sh BIN_DIR     BIN_DIR: the Windows build's programs and the driver
#
# Everything runs in a Wine prefix and a tmux server of this run's own, both ended at the end,
# with a Polish locale made for the run: the console's code page is then 852, as on a Polish
# Windows, and the cases that need another set it themselves.
set -euo pipefail

if (($# != 1)) || [[ ! -f $1/console_driver.exe ]]; then
  echo "usage: $0 BIN_DIR (the Windows build's bin folder, with console_driver.exe)" >&2
  exit 2
fi
bin_dir=$(cd "$1" && pwd)
for tool in wine wineserver wineboot tmux localedef; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
socket="$work/tmux-socket"  # a tmux server of this run's own
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
  tmux -S "$socket" kill-server >/dev/null 2>&1 || true
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Wine takes the console's code pages from the locale: pl_PL.UTF-8 gives 852.
mkdir "$work/locale"
localedef -i pl_PL -f UTF-8 "$work/locale/pl_PL.UTF-8" >/dev/null 2>&1 || {
  echo "$0: localedef cannot make pl_PL.UTF-8 (is the locales package installed?)" >&2
  exit 2
}
export LOCPATH="$work/locale"

# A ready prefix, and its wineserver started anew once: in a fresh prefix the first key sent to
# a console otherwise starts explorer.exe, and keys arrive seconds late.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
LC_ALL=pl_PL.UTF-8 wineboot -i </dev/null >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

windows_path() {
  local path=$1
  printf 'Z:%s' "${path//\//\\}"
}

driver="$bin_dir/console_driver.exe"
mapfile -t cases < <(LC_ALL=pl_PL.UTF-8 wine "$driver" --list </dev/null 2>/dev/null | tr -d '\r')
if ((${#cases[@]} == 0)); then
  echo "$0: console_driver.exe lists no cases" >&2
  exit 1
fi

# Runs case |name| once in a pane of its own; its exit status is in $case_dir/status.
run_case() {
  local name=$1 case_dir=$2
  rm -rf "$case_dir"
  mkdir -p "$case_dir/cwd"
  # The pane's command: the driver on the pane's console, its report to a file.
  {
    printf 'LC_ALL=pl_PL.UTF-8 wine %q %q %q %q 2>%q\n' "$driver" "$name" \
      "$(windows_path "$bin_dir")" "$(windows_path "$case_dir/cwd")" "$case_dir/report"
    printf 'echo $? >%q && mv %q %q\n' "$case_dir/status.tmp" "$case_dir/status.tmp" \
      "$case_dir/status"
  } >"$case_dir/run"
  local started=$SECONDS
  if ! tmux -S "$socket" -f /dev/null new-session -d -x 80 -y 30 -s "$name" \
    "bash $(printf %q "$case_dir/run")"; then
    echo "$0: tmux cannot open a pane for $name" >&2
    exit 1
  fi
  while [[ ! -f $case_dir/status ]] && ((SECONDS - started < 120)); do
    sleep 0.2
  done
  tmux -S "$socket" kill-session -t "$name" >/dev/null 2>&1 || true
}

failed=()
for name in "${cases[@]}"; do
  case_dir="$work/cases/$name"
  started=$SECONDS
  # Wine under load now and then fails to start a process at all (CreateProcess's error 1359,
  # or wine itself ending at once): a failed case is run once more, and its first failure
  # shown. It counts as failed only when it fails again.
  for try in 1 2; do
    run_case "$name" "$case_dir"
    status=$(cat "$case_dir/status" 2>/dev/null || echo "none: no result within 120 s")
    [[ $status == 0 ]] && break
    if ((try == 1)); then
      echo "retry   $name (exit status $status)"
      sed 's/^/        /' "$case_dir/report" 2>/dev/null || true
    fi
  done
  if [[ $status == 0 ]]; then
    echo "ok      $name ($((SECONDS - started)) s)"
  else
    echo "FAILED  $name (exit status $status)"
    sed 's/^/        /' "$case_dir/report" 2>/dev/null || true
    failed+=("$name")
  fi
done

if ((${#failed[@]})); then
  echo "${#failed[@]} of ${#cases[@]} console cases failed: ${failed[*]}"
  exit 1
fi
echo "all ${#cases[@]} console cases passed"
