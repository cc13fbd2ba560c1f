#!/usr/bin/env bash
# Builds the Qt kit for the Windows program: Qt 6 qtbase for 64-bit Windows
# (Core, Gui, Widgets, Test, OpenGL; platform plugins windows, offscreen,
# minimal, direct2d; the Vista style; gif and ico image formats), cross-
# compiled with Debian's mingw-w64 g++ (posix threads) from Debian's own
# qt6-base source package, so that the host tools the cross build uses
# (Debian's moc, rcc, uic) and the libraries are the same Qt version.
#
# About 25 minutes on two cores; needs root (apt-get) and about 6 GB of room
# in the temporary folder. Writes an archive that unpacks to qt6-mingw/; by
# default build/qt6-mingw.tar.xz, which scripts/test-windows.sh picks up as
#   KIVO_QT_WINDOWS_KIT=build/qt6-mingw.tar.xz ./scripts/test.sh
#
# Usage: scripts/build-qt-windows.sh [OUTPUT.tar.xz]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$root/build"
out="$(readlink -f "${1:-$root/build/qt6-mingw.tar.xz}")"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
work="$(mktemp -d /tmp/qt6-mingw.XXXX)"
trap 'rm -rf "$work"' EXIT

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools cmake ninja-build xz-utils
# The source package needs the deb-src entries, which Debian's images leave out.
if [[ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]]; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    >/etc/apt/sources.list.d/debian-src.sources
  apt-get update -q
fi
cd "$work"
apt-get source -q --download-only qt6-base
tar -xf qt6-base_*.orig.tar.xz
src="$(ls -d qtbase-everywhere-src-*)"

# Debian's source leaves out the wintab header, so tablet events are off;
# Qt 6.4's Windows platform plugin does not build without OpenGL, so desktop
# OpenGL stays on. Qt's own copies of zlib, PCRE2, libpng, HarfBuzz and
# FreeType: Windows has none of them.
cmake -S "$src" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$work/qt6-mingw" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_testlib=ON \
  -DFEATURE_opengl=ON -DFEATURE_opengl_desktop=ON -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=/usr/src/qt6-mingw" \
  "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$work=/usr/src/qt6-mingw"
cmake --build build
cmake --install build
find qt6-mingw -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} \;
rm -rf qt6-mingw/doc
# The temporary folder's name is of no use to anyone unpacking the kit.
grep -rlI "$work" qt6-mingw | xargs -r sed -i "s|$work|/usr/src/qt6-mingw|g"
tar -cJf "$out" qt6-mingw
echo "build-qt-windows: built $out"
