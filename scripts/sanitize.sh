#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer (and its LeakSanitizer) and
# UndefinedBehaviorSanitizer in build/sanitize and runs it. Any report ends the
# process that made it with a failure status, so its test fails. The
# sanitizer options and suppression files come with the test preset
# (CMakePresets.json, tests/sanitizers/).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize -j "$(nproc)"
