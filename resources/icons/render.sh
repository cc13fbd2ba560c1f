#!/usr/bin/env bash
# Renders the program icon and the link pointer from their SVG sources. Run by
# hand after changing an SVG; the PNGs and the .ico it writes are committed, so
# the build itself needs neither tool. Needs rsvg-convert (librsvg2-bin) and
# ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

pngs=()
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kivo.svg -o "kivo-$size.png"
  pngs+=("kivo-$size.png")
done
# The About window's picture box shows the 32-pixel icon.
cp kivo-32.png kivo.png
# Windows takes every size from one .ico file.
/usr/bin/convert "${pngs[@]}" kivo.ico

rsvg-convert -w 32 -h 32 ../cursors/link-hand.svg -o ../cursors/link-hand.png
