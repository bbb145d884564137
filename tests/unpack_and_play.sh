# The steps the install, package and Windows zip tests share, sourced by each: a scratch
# folder removed at the end, the package made with CPack, a listing compared with the one
# expected, the desktop files checked, and a round played as a user plays it.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
app_id=pl.tabliczka.Trivelanko

# make_package GENERATOR BUILD_DIR: makes the build's package into $work with CPack.
make_package() {
  (cd "$work" && cpack -G "$1" --config "$2/CPackConfig.cmake" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; exit 1; }
}

# expect_listing WHAT LISTED EXPECTED: fails, showing both, unless the two are the same.
expect_listing() {
  if [[ "$2" != "$3" ]]; then
    echo "$1: $2"
    echo "expected: $3"
    exit 1
  fi
}

# play_round WHAT COMMAND...: from the current folder, the menu answered 1 and 1 starts qor,
# whose five questions are answered 0, never a product, so the score is 0 whatever is drawn.
# Fails unless WHAT, the qor that COMMAND's menu started, played its rows after the menu.
play_round() {
  local what=$1
  shift
  printf '1\n1\n5\n0\n0\n0\n0\n0\n' | setsid "$@" >"$work/output"
  # The stored code page 852 bytes: "wersja 2.0/qor" after the menu, then "Twój wynik to: 0 na 5."
  grep -a -q 'wersja 2.0/qor' "$work/output" || { echo "$what did not start"; exit 1; }
  grep -a -q $'Tw\xa2j wynik to: 0 na 5\\.\r$' "$work/output" ||
    { echo "$what did not play the rows after the menu"; exit 1; }
}

# read_entry_command SHARE [GROUP]: the command of the menu's desktop entry under SHARE (or of
# its action GROUP, such as "Desktop Action dzielenie"), read as a desktop reads its Exec key
# (a string value's escapes undone, then its quoting), into the array entry_command.
read_entry_command() {
  local value group=${2:-Desktop Entry}
  value=$(sed -n "/^\[$group\]\$/,/^\[/s/^Exec=//p" "$1/applications/$app_id.desktop")
  value=${value//\\\\/\\}
  eval "entry_command=($value)"
  entry_command=("${entry_command[@]//%%/%}")
}

# check_desktop_files SHARE: the menu's desktop entry and AppStream metadata under SHARE pass
# their validators with no error and no warning, and the PNGs there are renderings of the
# drawing there, at their sizes.
check_desktop_files() {
  local share=$1 report size rendering differing
  report=$(desktop-file-validate "$share/applications/$app_id.desktop" 2>&1) ||
    { echo "$report"; exit 1; }
  if [[ -n $report ]]; then echo "$report"; fi
  if grep -q -E '(error|warning): ' <<<"$report"; then
    echo "desktop-file-validate: the above"
    exit 1
  fi
  appstreamcli validate --no-net --strict "$share/metainfo/$app_id.metainfo.xml" ||
    { echo "appstreamcli: the above"; exit 1; }
  for size in 48 256; do
    rendering=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    [[ $(file -b "$rendering") == "PNG image data, $size x $size,"* ]] ||
      { echo "$rendering: $(file -b "$rendering")"; exit 1; }
    rsvg-convert -w "$size" -h "$size" "$share/icons/hicolor/scalable/apps/$app_id.svg" \
      -o "$work/drawn-$size.png"
    # Renderers differ in a few edge pixels' shades, never by a tenth.
    differing=$(compare -metric AE -fuzz 10% "$rendering" "$work/drawn-$size.png" null: 2>&1) ||
      { echo "$rendering is not the drawing at $size pixels: $differing pixels differ"; exit 1; }
  done
}
