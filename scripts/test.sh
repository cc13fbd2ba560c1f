#!/usr/bin/env bash
# Installs what is missing, checks the code's layout and the shell scripts,
# builds the test configuration and runs every test;
# then builds and runs the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitize.sh, build/sanitize), runs
# each fuzz target for 30 seconds (scripts/fuzz.sh), and cross-builds the
# Windows program and runs its tests under Wine (scripts/test-windows.sh;
# skipped, loudly, without the Qt kit for Windows). Window tests use Qt's
# offscreen platform; the end-to-end tests start their own X server, so no
# display is needed. Stops at the first phase that fails.
set -euo pipefail
cd "$(dirname "$0")/.."

phase() {
  local name="$1" start=$SECONDS
  shift
  echo "test.sh: == $name"
  "$@"
  echo "test.sh: == $name took $((SECONDS - start)) s"
}

phase "dependencies" ./scripts/install-deps.sh
phase "code style" ./scripts/check-style.sh
phase "test build" bash -c 'cmake --preset test && cmake --build --preset test'
phase "tests" ctest --preset test -j "$(nproc)"
phase "sanitizer build and tests" ./scripts/sanitize.sh
phase "fuzzing, 30 s a target" ./scripts/fuzz.sh 30
phase "Windows program: cross build, packages, tests under Wine" ./scripts/test-windows.sh
echo "test.sh: all phases passed in $SECONDS s"
