#!/usr/bin/env bash
# The Windows program, built and tested on Linux: unpacks the Qt kit for
# Windows into build/qt6-mingw, cross-builds the program and its tests with
# mingw-w64 (preset `windows`, build/windows), and runs them under Wine on a
# private X server (ctest preset `windows`): the engine and window tests as
# Windows programs, the package check (NSIS installer and portable .zip), the
# installer's round trip, and what only Windows does, end to end.
#
# The kit is ../shared/windows/qt6-mingw.tar.xz, or the archive named by
# KIVO_QT_WINDOWS_KIT; scripts/build-qt-windows.sh makes one from Debian's
# sources. Without a kit, the Windows tests are reported skipped, loudly,
# and the script ends with status 0.
set -euo pipefail
cd "$(dirname "$0")/.."

say() { echo "test-windows: $*"; }
step() {
  local name="$1" start=$SECONDS
  shift
  say "-- $name"
  "$@"
  say "-- $name took $((SECONDS - start)) s"
}

kit_archive="${KIVO_QT_WINDOWS_KIT:-../shared/windows/qt6-mingw.tar.xz}"
kit=build/qt6-mingw
wine_bin=/usr/lib/wine

skipped() {
  local line="##########################################################################"
  for out in 1 2; do
    {
      echo "test-windows: $line"
      echo "test-windows: SKIPPED: the Windows program was neither built nor tested."
      echo "test-windows: $*"
      echo "test-windows: $line"
    } >&"$out"
  done
  exit 0
}

missing=()
for tool in x86_64-w64-mingw32-g++-posix makensis osslsigncode openssl Xvfb xdotool import; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -x $wine_bin/wine64 ]] || missing+=("$wine_bin/wine64")
((${#missing[@]} == 0)) || skipped "Missing: ${missing[*]} (scripts/install-deps.sh installs them)."

# The kit is unpacked again whenever the archive changes.
unpack_kit() {
  local stamp="$kit/.from-archive" wanted
  wanted="$(stat -c '%s %Y' "$kit_archive")"
  if [[ ! -f $stamp || "$(cat "$stamp")" != "$wanted" ]]; then
    rm -rf "$kit"
    mkdir -p build
    tar -C build -xJf "$kit_archive"
    echo "$wanted" >"$stamp"
  fi
}
if [[ -f $kit_archive ]]; then
  step "Qt kit for Windows from $kit_archive" unpack_kit
elif [[ -d $kit/lib/cmake/Qt6 ]]; then
  say "-- no $kit_archive; using the kit already in $kit"
else
  skipped "No Qt kit for Windows: $kit_archive is missing (set KIVO_QT_WINDOWS_KIT, or make one with scripts/build-qt-windows.sh)."
fi

step "cross build (preset windows)" bash -c 'cmake --preset windows >/dev/null && cmake --build --preset windows'

# A private X server: Wine needs one even for programs without windows.
display_file="$(mktemp)"
xvfb_pid=""
export WINEPREFIX="$PWD/build/windows/wine"
cleanup() {
  "$wine_bin/wineserver" -k 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -f "$display_file"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $display_file ]] && break
  sleep 0.1
done
[[ -s $display_file ]] || { say "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -1 "$display_file")"
export DISPLAY

# Wine's desktop stays up from here to the end (see the probe's "hold").
start_wine() {
  local log=build/windows/wine-hold.log
  build/windows/wine-run.sh build/windows/kivo_wine_probe.exe hold >"$log" 2>&1 &
  for _ in $(seq 600); do
    grep -q holding "$log" 2>/dev/null && return 0
    sleep 0.2
  done
  say "Wine did not come up" >&2
  return 1
}
step "Wine on display $DISPLAY" start_wine

step "tests under Wine (ctest preset windows)" ctest --preset windows
