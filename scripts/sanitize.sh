#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer (and its LeakSanitizer) and
# UndefinedBehaviorSanitizer in build/sanitize and runs it. The sanitizer
# options and suppressions come with the test preset (CMakePresets.json,
# tests/sanitizers/). Every report is written to build/sanitize/
# sanitizer-reports, from test processes and their helpers alike, so a
# report fails the run even when the process that made it had its exit
# status ignored.
set -euo pipefail
cd "$(dirname "$0")/.."

reports=build/sanitize/sanitizer-reports

cmake --preset sanitize
cmake --build --preset sanitize
rm -rf "$reports"
mkdir -p "$reports"
status=0
ctest --preset sanitize -j "$(nproc)" || status=$?

if compgen -G "$reports/*" >/dev/null; then
  echo "sanitize: sanitizer reports:" >&2
  for report in "$reports"/*; do
    echo "---- $report" >&2
    cat "$report" >&2
  done
  status=1
fi
exit $status
