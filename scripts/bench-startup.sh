#!/usr/bin/env bash
# Start-up of the program against a text floor (a same-size window with a
# little text in three fonts) and an empty main window: wall time, peak memory
# and instructions to the first frame, on a private Xvfb and D-Bus session.
# Builds the probes with the bench preset (build/bench) first.
#
#   scripts/bench-startup.sh [--runs N] [--profile-runs N] [--check]
#
# --check fails when the instructions or the peak memory are above their
# targets against the text floor.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/bench/CMakeCache.txt ]]; then
    cmake --preset bench
fi
cmake --build --preset bench --target kivo_startup_probe kivo_text_floor_probe kivo_empty_window_probe
exec /usr/bin/python3 bench/startup/run_startup_bench.py build/bench "$@"
