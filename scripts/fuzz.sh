#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time from the seed
# corpus in tests/fuzz/corpus/<target>. Usage: scripts/fuzz.sh [seconds]
# (default 30). New inputs go to a scratch corpus under build/, never into the
# repository; a crash leaves its input in build/fuzz/artifacts and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz

status=0
for seeds in tests/fuzz/corpus/*/; do
  target="$(basename "$seeds")"
  binary="build/fuzz/${target}_fuzz"
  [[ -x "$binary" ]] || { echo "fuzz: no binary for corpus $target" >&2; status=1; continue; }
  work="build/fuzz/corpus-$target"
  mkdir -p "$work" build/fuzz/artifacts
  log="build/fuzz/$target.log"
  echo "fuzz: $target for ${seconds}s"
  if "$binary" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
       -artifact_prefix=build/fuzz/artifacts/"$target"- "$work" "$seeds" >"$log" 2>&1; then
    runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz: $target ran ${runs:-?} inputs, no failure"
  else
    echo "fuzz: $target FAILED; last lines of $log:" >&2
    tail -40 "$log" >&2
    status=1
  fi
done
exit $status
