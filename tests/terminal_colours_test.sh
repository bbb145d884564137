#!/usr/bin/env bash
# The whole-screen colours as a child at a real terminal sees them. Under a virtual X server of
# its own, each terminal runs the quiz with piped answers and its output on the terminal; the
# closing screen, and then the shell's text written after the program has ended, are
# photographed, and every pixel must be the near-black background, the expected text colour
# (light red after a wrong last answer, light grey after a right one) or a blend of the two:
# none of the terminal's own colours may be left anywhere, the title art included. Tilix keeps
# its profile's background (here white) whatever it is told, so there the text is light red
# after a wrong answer and the profile's own (black) after a right one, on white.
#
#   terminal_colours_test.sh BIN_DIR [SHOT_DIR]
#
# Exits 77 (skipped) when a tool is missing, unless CI is set: then that fails.
set -euo pipefail
bin_dir=$(cd "$1" && pwd)
shot_dir=${2:-}

skip() {
  if [[ -n ${CI:-} ]]; then
    echo "FAIL: $* (CI must run this test, not skip it)"
    exit 1
  fi
  echo "SKIP: $*"
  exit 77
}
for tool in Xvfb xterm xdotool import convert tmux screen; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[[ -e /usr/share/fonts/X11/misc/6x13-ISO8859-1.pcf.gz ]] || skip "xfonts-base is not installed"
# Konsole, GNOME Terminal, Tilix and rxvt-unicode are checked where they are installed, and
# always in CI.
has_konsole=false has_gnome_terminal=false has_tilix=false has_urxvt=false
if command -v dbus-daemon >/dev/null; then
  command -v konsole >/dev/null && has_konsole=true
  command -v gnome-terminal >/dev/null && has_gnome_terminal=true
  command -v tilix >/dev/null && has_tilix=true
fi
command -v urxvt >/dev/null && has_urxvt=true
if [[ -n ${CI:-} ]] && ! $has_konsole; then
  echo "FAIL: konsole or dbus-daemon is not installed (CI must check Konsole)"
  exit 1
fi
if [[ -n ${CI:-} ]] && ! $has_gnome_terminal; then
  echo "FAIL: gnome-terminal or dbus-daemon is not installed (CI must check GNOME Terminal)"
  exit 1
fi
if [[ -n ${CI:-} ]] && ! $has_tilix; then
  echo "FAIL: tilix or dbus-daemon is not installed (CI must check Tilix)"
  exit 1
fi
if [[ -n ${CI:-} ]] && ! $has_urxvt; then
  echo "FAIL: rxvt-unicode is not installed (CI must check rxvt-unicode)"
  exit 1
fi

work=$(mktemp -d)
started=()  # every process started here, ended on every way out
cleanup() {
  set +e
  touch "$work/done"  # lets each terminal's script end, and with it tmux and screen
  [[ -S $work/tmux ]] && tmux -S "$work/tmux" kill-server 2>/dev/null
  [[ -d $work/screens ]] && SCREENDIR=$work/screens screen -S colours -X quit >/dev/null 2>&1
  local pid
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${started[@]}"; do
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Waits until |path| exists; false after |tenths| tenths of a second.
wait_for_file() {
  local path=$1 tenths=$2
  while ((tenths-- > 0)); do
    [[ -e $path ]] && return 0
    sleep 0.1
  done
  return 1
}

# A display number of our own: the first free one from a number drawn from our process id, so
# that tests running at once on one machine do not meet.
start_x_server() {
  local display=$((200 + $$ % 500)) tries
  for ((tries = 0; tries < 20; tries++, display++)); do
    [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]] && continue
    rm -f "$work/ready"
    Xvfb ":$display" -screen 0 1000x1300x24 -nolisten tcp -noreset -displayfd 3 \
      3>"$work/ready" >"$work/xvfb.log" 2>&1 &
    local pid=$!
    started+=("$pid")
    local tenths=50
    while ((tenths-- > 0)) && kill -0 "$pid" 2>/dev/null && ! [[ -s $work/ready ]]; do
      sleep 0.1
    done
    if [[ -s $work/ready ]]; then
      export DISPLAY=:$display
      return 0
    fi
    kill "$pid" 2>/dev/null || true
  done
  echo "no X server could be started"
  cat "$work/xvfb.log"
  return 1
}

# A D-Bus session bus for the terminals that need one, ended with the rest.
start_session_bus() {
  local address
  dbus-daemon --session --fork --print-address=3 --print-pid=4 \
    3>"$work/bus-address" 4>"$work/bus-pid" </dev/null >/dev/null 2>&1
  started+=("$(head -1 "$work/bus-pid")")
  address=$(head -1 "$work/bus-address")
  export DBUS_SESSION_BUS_ADDRESS=$address
}

# What runs inside each terminal: the quiz with its answers from a pipe (read from a file, as
# Tilix takes the backslashes out of a command's arguments), a mark once the closing screen
# waits for a key (the terminal in raw mode), then a line as the shell would write it after the
# program, and a mark for that.
cat >"$work/inside.sh" <<'EOF'
#!/usr/bin/env bash
work=$1 program=$2
(
  until stty -a </dev/tty | grep -q -- -icanon; do sleep 0.05; done
  stty size </dev/tty >"$work/size"  # the window's rows and columns at the closing screen
  touch "$work/closing"
) &
cat "$work/answers" | "$program"
printf '$ ls\nwyniki.txt  zadania.txt\n$ '
touch "$work/after"
tenths=600
until [[ -e $work/done ]] || ((tenths-- == 0)); do sleep 0.1; done
EOF
chmod +x "$work/inside.sh"

# Photographs window |window| into |file| once two pictures in a row agree but for a blinking
# cursor (the terminal has drawn everything).
photograph() {
  local window=$1 file=$2 tries difference
  import -window "$window" "$file.previous.png"
  for ((tries = 0; tries < 10; tries++)); do
    sleep 0.3
    import -window "$window" "$file"
    difference=$(convert "$file" "$file.previous.png" -metric AE -compare \
      -format '%[distortion]' info: 2>/dev/null) || difference=
    if [[ $difference =~ ^[0-9]+$ ]] && ((difference < 400)); then
      break
    fi
    cp "$file" "$file.previous.png"
  done
  rm -f "$file.previous.png"
}

# Checks the colours of picture |file|: |text| (hex, rrggbb) the text colour, |background| the
# background, |tolerance| how far (in 0-255 per channel) a pixel may be from the line between
# the two.
check_colours() {
  local file=$1 text=$2 background=$3 tolerance=$4 what=$5
  convert "$file" -format %c histogram:info:- |
    awk -v text="$text" -v back="$background" -v tol="$tolerance" -v what="$what" '
      function hex(s) { return index("0123456789abcdef", substr(s, 1, 1)) * 16 + \
                               index("0123456789abcdef", substr(s, 2, 1)) - 17 }
      function abs(x) { return x < 0 ? -x : x }
      BEGIN {
        for (i = 0; i < 3; i++) {
          t[i] = hex(substr(text, 2 * i + 1, 2)); b[i] = hex(substr(back, 2 * i + 1, 2))
        }
      }
      {
        count = $1 + 0
        match($0, /\([0-9]+,[0-9]+,[0-9]+/)
        split(substr($0, RSTART + 1, RLENGTH - 1), p, ",")
        total += count
        # Where on the line from background (0) to text (1) the pixel lies, and how far off.
        num = 0; den = 0
        for (i = 0; i < 3; i++) { num += (p[i + 1] - b[i]) * (t[i] - b[i]); den += (t[i] - b[i]) ^ 2 }
        k = num / den; k = k < 0 ? 0 : k > 1 ? 1 : k
        off = 0
        for (i = 0; i < 3; i++) {
          d = abs(p[i + 1] - (b[i] + k * (t[i] - b[i])))
          if (d > off) off = d
        }
        near_back = near_text = 1
        for (i = 0; i < 3; i++) {
          if (abs(p[i + 1] - b[i]) > tol) near_back = 0
          if (abs(p[i + 1] - t[i]) > tol) near_text = 0
        }
        if (near_back) background += count
        else if (near_text) foreground += count
        else if (off <= tol) blend += count
        else { other += count; if (count > worst) { worst = count; worst_colour = $0 } }
      }
      END {
        printf "%s: %d pixels: background %.1f%%, text %.2f%%, blends %.2f%%, other %d\n", \
               what, total, 100 * background / total, 100 * foreground / total, \
               100 * blend / total, other
        ok = 1
        if (background < 0.6 * total) { print "  the background is not near #" back; ok = 0 }
        if (foreground < 0.01 * total) { print "  too little text near #" text; ok = 0 }
        if (other > 0) { print "  colours that do not belong, the commonest:" worst_colour; ok = 0 }
        exit !ok
      }'
}

# Cuts picture |file| down to the terminal's own area, where its window has menus, tool bars
# or scroll bars around it: the smallest rectangle holding every pixel of the background colour
# |background|. Left whole where there is no such pixel, so that the check fails.
crop_to_terminal() {
  local file=$1 background=$2 box
  box=$(convert "$file" -alpha off -fuzz 1% -fill black +opaque "#$background" \
    -fill white -opaque "#$background" -bordercolor black -border 1 -format "%@" info: \
    2>/dev/null)
  if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
    ((BASH_REMATCH[1] > 100 && BASH_REMATCH[2] > 100)); then
    local width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
    local left=$((BASH_REMATCH[3] - 1)) top=$((BASH_REMATCH[4] - 1))
    convert "$file" -crop "${width}x$height+$left+$top" +repage "$file"
  fi
}

# Photographs window |window| into |file| and checks its colours (the rest of the arguments as
# for check_colours: text, background, ...), cropped to the terminal's area, the background's
# bounding box, when |crop| is "crop". A terminal slowed
# down by a busy machine may not have drawn everything yet even when two pictures agree: a
# failed check is made once more, two seconds later, and that one counts. Colours that are
# wrong stay wrong.
photograph_and_check() {
  local window=$1 crop=$2 file=$3
  shift 3
  photograph "$window" "$file"
  [[ $crop == crop ]] && crop_to_terminal "$file" "$2"
  check_colours "$file" "$@" && return 0
  echo "  once more in two seconds"
  sleep 2
  photograph "$window" "$file"
  [[ $crop == crop ]] && crop_to_terminal "$file" "$2"
  check_colours "$file" "$@"
}

failures=0

# Lets the script inside the terminal started as |pid| end, and with it the terminal; ends the
# terminal where it does not close by itself.
end_terminal() {
  local pid=$1 tenths=50
  touch "$work/done"
  while ((tenths-- > 0)) && kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# Runs one terminal: |name|, the answers, the expected text and background colours, the
# tolerance, the window's class, whether to cut away the window's own controls ("crop" or
# "whole"), then the command that starts the terminal with the script inside (the script's
# path and arguments follow it).
run_case() {
  local name=$1 answers=$2 text=$3 background=$4 tolerance=$5 class=$6 crop=$7
  shift 7
  rm -f "$work/closing" "$work/after" "$work/done"
  local started_at=$SECONDS
  printf "$answers" >"$work/answers"
  "$@" "$work/inside.sh" "$work" "$bin_dir/qor_fixed_clock" \
    >"$work/$name.log" 2>&1 &
  local pid=$!
  started+=("$pid")
  local window=
  if wait_for_file "$work/closing" 150; then
    window=$(timeout 20 xdotool search --sync --onlyvisible --class "$class" | head -1)
  fi
  if [[ -z $window ]]; then
    echo "$name: no closing screen on the terminal"
    cat "$work/$name.log"
    failures=$((failures + 1))
    end_terminal "$pid"
    return
  fi
  local shots=$work/$name
  photograph_and_check "$window" "$crop" "$shots-closing.png" "$text" "$background" \
    "$tolerance" "$name, closing screen" || failures=$((failures + 1))

  # A key ends the wait; the shell's text after the program must be as readable.
  xdotool mousemove --window "$window" 100 100 key x
  if ! wait_for_file "$work/after" 100; then
    echo "$name: the program did not end on a key"
    failures=$((failures + 1))
  fi
  photograph_and_check "$window" "$crop" "$shots-after.png" "$text" "$background" \
    "$tolerance" "$name, after the program" || failures=$((failures + 1))

  end_terminal "$pid"
  [[ -n $shot_dir ]] && mkdir -p "$shot_dir" && cp "$shots"-*.png "$shot_dir/"
  echo "$name: $((SECONDS - started_at)) s"
}

export LC_ALL=C.UTF-8 NO_AT_BRIDGE=1
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
unset TMUX STY DBUS_SESSION_BUS_ADDRESS
start_x_server

# Five questions, each 9 x 5: the last answer wrong (light red) or right (light grey).
ends_wrong='5\n45\n1\n45\n45\n7\n'
ends_right='5\n45\n1\n45\n7\n45\n'
size=(-geometry 80x70+0+0)

run_case xterm "$ends_wrong" e74856 0c0c0c 4 XTerm whole xterm "${size[@]}" -e

# tmux paints its pane's cells in the colours set there but leaves the terminal's own colours
# as they were, so the window's inner border (and tmux's status line) would keep them: both off.
# tmux learns that xterm takes 24-bit colours from xterm's answer to a query; on a busy machine
# it once drew before that answer, with the nearest of eight colours (black behind light grey),
# so it is told so beforehand.
printf 'set -g status off\nset -as terminal-features "xterm*:RGB"\n' >"$work/tmux.conf"
run_case tmux "$ends_right" cccccc 0c0c0c 4 XTerm whole \
  xterm "${size[@]}" -b 0 -e tmux -S "$work/tmux" -f "$work/tmux.conf" new-session

mkdir -m 700 "$work/screens"
export SCREENDIR=$work/screens
printf 'startup_message off\n' >"$work/screenrc"
run_case screen "$ends_wrong" e74856 0c0c0c 4 XTerm whole \
  xterm "${size[@]}" -bg white -fg black -e screen -c "$work/screenrc" -S colours

# rxvt-unicode, where it is installed: its own colours are black on white. Its scroll bar is
# off, and so is its inner border, which keeps the colour it started with (a white frame two
# pixels wide).
if $has_urxvt; then
  run_case urxvt "$ends_wrong" e74856 0c0c0c 4 URxvt whole urxvt "${size[@]}" +sb -b 0 -e
fi

# Konsole, GNOME Terminal and Tilix, where they are installed: on a session bus of our own,
# with antialiased text (hence the wider tolerance for blends), and Konsole without the size
# it shows for a moment after its window has been sized.
if $has_konsole || $has_gnome_terminal || $has_tilix; then
  start_session_bus
fi
if $has_konsole; then
  run_case konsole "$ends_right" cccccc 0c0c0c 8 konsole crop \
    konsole --nofork --hide-menubar --hide-tabbar -p ShowTerminalSizeHint=false \
    -p TerminalColumns=80 -p TerminalRows=62 -e
fi
if $has_gnome_terminal; then
  run_case gnome-terminal "$ends_wrong" e74856 0c0c0c 8 gnome-terminal crop \
    gnome-terminal --wait --hide-menubar --geometry=80x62+0+0 --
  # As the desktop's menu starts a program with Terminal=true: GNOME Terminal at its own size,
  # 80 x 24. The quiz asks for 25 rows, which GNOME Terminal gives, so the closing screen
  # keeps the last correction on its top row (the photograph shows it).
  run_case gnome-terminal-desktop "$ends_wrong" e74856 0c0c0c 8 gnome-terminal crop \
    gnome-terminal --wait --
  if [[ $(cat "$work/size" 2>/dev/null) != "25 80" ]]; then
    echo "gnome-terminal-desktop: the window was $(cat "$work/size" 2>/dev/null) at the end, not 25 80"
    failures=$((failures + 1))
  fi
fi
# Tilix with a light profile, black on white, which it keeps whatever it is told: the text
# turns light red after a wrong answer and gets the profile's black back after a right one.
# Its settings from a file of our own, without the warning about its shell set-up, the tool
# bar or the terminal's title bar.
if $has_tilix; then
  mkdir -p "$work/config/glib-2.0/settings"
  cat >"$work/config/glib-2.0/settings/keyfile" <<'EOF'
[com/gexperts/Tilix]
warn-vte-config-issue=false
terminal-title-style='none'

[com/gexperts/Tilix/profiles/2b7c4080-0ddd-46c5-8f23-563fd3ba789d]
use-theme-colors=false
background-color='#FFFFFF'
foreground-color='#000000'
EOF
  tilix=(env GSETTINGS_BACKEND=keyfile tilix --new-process --window-style=disable-csd-hide-toolbar
    --geometry=80x62+0+0 -e)
  run_case tilix-wrong "$ends_wrong" e74856 ffffff 8 tilix crop "${tilix[@]}"
  run_case tilix-right "$ends_right" 000000 ffffff 8 tilix crop "${tilix[@]}"
fi
$has_konsole || echo "konsole: not installed, not checked"
$has_gnome_terminal || echo "gnome-terminal: not installed, not checked"
$has_tilix || echo "tilix: not installed, not checked"
$has_urxvt || echo "urxvt: not installed, not checked"

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "every terminal shows the colours on the whole screen, and keeps them readable after"
