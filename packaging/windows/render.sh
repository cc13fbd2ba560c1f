#!/usr/bin/env bash
# Makes the installer's pictures from the program's own artwork: the welcome
# and finish pages' side picture (164 x 314) from the entry page's picture,
# and the other pages' header picture (150 x 57) from the program icon. Run by
# hand after changing the artwork; the bitmaps are committed, so the build
# needs no drawing program. Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
art=../../resources

# The picture cut free of its rounded frame, at the page's full width; above
# and below it, its own top and bottom rows drawn out to the edges.
picture="$(mktemp --suffix=.png)"
trap 'rm -f "$picture"' EXIT
convert "$art/images/picture1.png" -crop 316x316+18+18 +repage -resize 164x164 -alpha off "$picture"
convert \( "$picture" -crop 164x1+0+0 +repage -scale 164x60! \) "$picture" \
  \( "$picture" -crop 164x1+0+163 +repage -scale 164x90! \) -append \
  -type TrueColor BMP3:welcome.bmp
# NSIS draws the header picture at the right of a white band.
convert -size 150x57 xc:white \( "$art/icons/kivo-48.png" \) -gravity east -geometry +6+0 -composite \
  -alpha off -type TrueColor BMP3:header.bmp
