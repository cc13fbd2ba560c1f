#!/usr/bin/env bash
# Installs what is missing, builds the test configuration and runs every test.
# Window tests use Qt's offscreen platform; the end-to-end tests start their
# own X server, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test
ctest --preset test -j "$(nproc)"
