# The steps the install, package and Windows zip tests share, sourced by each: a scratch
# folder removed at the end, the package made with CPack, a listing compared with the one
# expected, and a round played as a user plays it.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
