#!/usr/bin/env bash
# Installs, with apt-get only, whichever of the build and test packages are
# missing. Safe to run any number of times: when nothing is missing it does
# not touch apt at all.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  python3-pytest xvfb xauth xdotool x11-utils xclip
  imagemagick
  clang libclang-rt-14-dev
  dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  appstream desktop-file-utils file dpkg-dev fakeroot lintian devscripts
  g++-mingw-w64-x86-64-posix wine64 nsis xz-utils osslsigncode openssl
  clang-format shellcheck
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: everything is already installed"
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
