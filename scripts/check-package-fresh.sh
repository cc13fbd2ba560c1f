#!/usr/bin/env bash
# Installs the .deb into a freshly bootstrapped Debian 12 system and starts
# the program there with its desktop entry's command, proving that the
# declared dependencies are complete. Needs root and Debian's mirror; takes a
# few minutes, so it is not part of the test suite.
# Usage: scripts/check-package-fresh.sh <build-dir> [chroot-dir]
set -euo pipefail
build="$(cd "${1:?usage: check-package-fresh.sh <build-dir> [chroot-dir]}" && pwd)"
root="${2:-$(mktemp -d /tmp/kivo-bookworm.XXXXXX)}"
mirror="$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)"
mirror="${mirror:-http://deb.debian.org/debian}"

command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
if [[ ! -x "$root/usr/bin/apt-get" ]]; then
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

out="$(mktemp -d)"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null)
cp "$out"/*.deb "$root/tmp/kivo.deb"

mount --bind /proc "$root/proc"
trap 'umount "$root/proc" || true; rm -rf "$out"' EXIT
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/kivo.deb
exec_line="$(grep '^Exec=' "$root/usr/share/applications/kivo-love-numerology.desktop" | cut -d= -f2)"
missing="$(chroot "$root" ldd "/usr/bin/$exec_line" | grep 'not found' || true)"
[[ -z "$missing" ]] || { echo "check-package-fresh: unresolved libraries: $missing" >&2; exit 1; }

# Still running after five seconds means it started and sits in its event loop.
status=0
chroot "$root" install -d -m 700 /tmp/kivo-runtime
chroot "$root" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/kivo-runtime timeout 5 "$exec_line" || status=$?
if [[ $status -ne 124 ]]; then
  echo "check-package-fresh: '$exec_line' ended with status $status instead of running" >&2
  exit 1
fi
echo "check-package-fresh: installed on a fresh Debian 12 and started with '$exec_line'"
