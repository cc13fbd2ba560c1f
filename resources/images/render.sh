#!/usr/bin/env bash
# Draws the entry page's picture with draw-picture1.cpp. Run by hand after
# changing the drawing; the PNGs are committed, so the build itself needs no
# drawing program. Needs a C++ compiler and Qt 6 (Gui) with pkg-config.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2046
c++ -std=c++20 -O2 -fPIC draw-picture1.cpp -o "$work/draw" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/draw" picture1.png picture1@2x.png
