#!/usr/bin/env bash
# Start-up time and peak memory of the program against a minimal Qt Widgets
# program that shows one empty main window, on a private Xvfb. Builds the two
# probes in the benchmark configuration first.
#
#   scripts/bench-startup.sh [--runs N] [--check]
#
# KIVO_BENCH_DIR picks the build folder (default build/bench).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${KIVO_BENCH_DIR:-build/bench}"
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DKIVO_BUILD_TESTS=OFF -DKIVO_BUILD_BENCH=ON
fi
cmake --build "$build_dir" --target kivo_startup_probe kivo_minimal_probe
exec /usr/bin/python3 bench/startup/run_startup_bench.py "$build_dir" "$@"
