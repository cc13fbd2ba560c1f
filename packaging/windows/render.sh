#!/usr/bin/env bash
# Makes the installer's pictures from the program's own artwork, one of each
# per display scaling (100, 125, 150 and 200 %), which the installer shows
# unscaled: the welcome and finish pages' side picture (164 pixels wide at
# 100 %) from the entry page's picture, and the other pages' header picture
# (150 x 57) from the program icon. Run by hand after changing the artwork;
# the bitmaps are committed, so the build needs no drawing program. Needs
# ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
art=../../resources

# The picture at twice its size, cut free of its rounded frame.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
convert "$art/images/picture1@2x.png" -crop 352x352+20+20 +repage -alpha off "$work/picture.png"

for percent in 100 125 150 200; do
  scaled() { echo $((($1 * percent + 50) / 100)); }
  width=$(scaled 164)
  top=$(scaled 60)
  # Taller than the page (314 at 100 %): the page cuts the picture off
  # wherever its font puts the page's bottom edge.
  bottom=$(($(scaled 374) - top - width))
  convert "$work/picture.png" -filter Lanczos -resize "${width}x${width}" "$work/scaled.png"
  # Above and below the picture, its own top and bottom rows drawn out.
  convert \( "$work/scaled.png" -crop "${width}x1+0+0" +repage -scale "${width}x${top}!" \) "$work/scaled.png" \
    \( "$work/scaled.png" -crop "${width}x1+0+$((width - 1))" +repage -scale "${width}x${bottom}!" \) -append \
    -type TrueColor "BMP3:welcome-$percent.bmp"
  # NSIS draws the header picture at the right of a white band.
  icon=$(scaled 48)
  convert -size "$(scaled 150)x$(scaled 57)" xc:white \
    \( "$art/icons/kivo-256.png" -filter Lanczos -resize "${icon}x${icon}" \) \
    -gravity east -geometry "+$(scaled 6)+0" -composite -alpha off -type TrueColor "BMP3:header-$percent.bmp"
done
