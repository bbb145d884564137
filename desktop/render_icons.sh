#!/usr/bin/env bash
# Renders the icon's drawing (icons/scalable) into the PNGs beside it and, for the Windows
# programs, into cmake/windows/tabliczka.ico. The renderings are kept in the repository, so a
# build needs no renderer: run this after changing the drawing, and commit what it wrote.
# Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")"
drawing=icons/scalable/pl.tabliczka.Trivelanko.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 24 32 48 256; do
  rsvg-convert -w "$size" -h "$size" "$drawing" -o "$work/$size.png"
done
cp "$work/48.png" icons/48x48/pl.tabliczka.Trivelanko.png
cp "$work/256.png" icons/256x256/pl.tabliczka.Trivelanko.png
# The largest image stored as PNG, as Windows reads it, the others as bitmaps.
icotool -c -o ../cmake/windows/tabliczka.ico "$work"/{16,24,32,48}.png --raw="$work/256.png"
