#!/usr/bin/python3
"""Start-up time and peak memory of the program against a minimal Qt Widgets
program, measured side by side on a private Xvfb.

Each probe prints the CLOCK_MONOTONIC time of its main window's first frame
and quits. The start time is read here right before the probe is spawned, on
the same clock, so the difference covers exec, dynamic linking, Qt's start,
the window's construction and its first paint. The peak resident memory comes
from wait4() for that one child.

The probes run alternately (ABBA order, after one warm-up run each) so that
drift in the machine's load or caches falls on both alike.

    run_startup_bench.py BUILD_DIR [--runs N]

prints the medians and the two ratios ours/minimal; with --check the exit
status is 1 when a ratio is above its target.
"""

import argparse
import os
import resource
import select
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from xharness import XServer, private_runtime_dir, require_tools  # noqa: E402

TARGET_RATIO = 1.10
PROBE_TIMEOUT = 30.0


class ProbeFailure(Exception):
    pass


def run_probe(exe, env):
    """Runs the probe once; returns (nanoseconds to first frame, peak RSS in
    KiB, CPU seconds of the whole run)."""
    out_read, out_write = os.pipe()
    with tempfile.TemporaryFile() as errors:
        actions = [
            (os.POSIX_SPAWN_DUP2, out_write, 1),
            (os.POSIX_SPAWN_DUP2, errors.fileno(), 2),
            (os.POSIX_SPAWN_CLOSE, out_read),
        ]
        start = time.monotonic_ns()
        pid = os.posix_spawn(exe, [exe], env, file_actions=actions)
        os.close(out_write)

        output = b""
        deadline = time.monotonic() + PROBE_TIMEOUT
        try:
            while True:
                left = deadline - time.monotonic()
                ready, _, _ = select.select([out_read], [], [], max(left, 0))
                if not ready:
                    os.kill(pid, 9)
                    os.wait4(pid, 0)
                    raise ProbeFailure(f"{os.path.basename(exe)} did not paint within {PROBE_TIMEOUT:.0f} s")
                chunk = os.read(out_read, 256)
                if not chunk:
                    break
                output += chunk
        finally:
            os.close(out_read)

        _, status, usage = os.wait4(pid, 0)
        if not os.WIFEXITED(status) or os.WEXITSTATUS(status) != 0:
            errors.seek(0)
            raise ProbeFailure(f"{os.path.basename(exe)} ended with wait status {status}: "
                               f"{errors.read().decode(errors='replace').strip()}")

    lines = output.decode().split()
    if len(lines) != 1 or not lines[0].isdigit():
        raise ProbeFailure(f"{os.path.basename(exe)} printed {output!r}, not one time stamp")
    painted = int(lines[0])
    if painted <= start:
        raise ProbeFailure(f"{os.path.basename(exe)} reported a first frame before it was started")
    # ru_maxrss is in KiB on Linux.
    return painted - start, usage.ru_maxrss, usage.ru_utime + usage.ru_stime


def describe(name, times, peaks, cpus):
    ms = [t / 1e6 for t in times]
    mib = [p / 1024 for p in peaks]
    q1, _, q3 = statistics.quantiles(ms, n=4)
    return (f"{name:<20} {statistics.median(ms):7.1f} ms (min {min(ms):.1f}, IQR {q1:.1f}-{q3:.1f})"
            f"  {statistics.median(mib):6.1f} MiB (min {min(mib):.1f}, max {max(mib):.1f})"
            f"  {statistics.median(cpus) * 1000:6.1f} ms")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build_dir", help="a Release build with KIVO_BUILD_BENCH=ON")
    parser.add_argument("--runs", type=int, default=20, help="timed runs of each probe (default 20)")
    parser.add_argument("--check", action="store_true", help="exit with status 1 when a target is missed")
    args = parser.parse_args()
    if args.runs < 2:
        parser.error("--runs must be at least 2")

    require_tools("Xvfb")
    probes = {
        "ours": os.path.join(args.build_dir, "bench", "startup", "kivo_startup_probe"),
        "minimal": os.path.join(args.build_dir, "bench", "startup", "kivo_minimal_probe"),
    }
    for path in probes.values():
        if not os.access(path, os.X_OK):
            print(f"missing probe {path}; build the bench configuration first", file=sys.stderr)
            return 2

    times = {key: [] for key in probes}
    peaks = {key: [] for key in probes}
    cpus = {key: [] for key in probes}
    with XServer() as xserver, private_runtime_dir() as runtime:
        env = xserver.env(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime)
        # Any scaling or debugging the caller's session sets would only apply
        # to one side's cost differently; both run with Qt's defaults.
        for key in ("QT_SCALE_FACTOR", "QT_DEBUG_PLUGINS", "QT_LOGGING_RULES", "QT_STYLE_OVERRIDE"):
            env.pop(key, None)
        for key in probes:
            run_probe(probes[key], env)  # warm-up: page cache, font cache
        order = ["ours", "minimal"]
        for round_number in range(args.runs):
            for key in (order if round_number % 2 == 0 else reversed(order)):
                elapsed, peak, cpu = run_probe(probes[key], env)
                times[key].append(elapsed)
                peaks[key].append(peak)
                cpus[key].append(cpu)

    # A spawned child shares the runner's memory until it execs, so its peak
    # can never read lower than the runner's own; say so if that could matter.
    own_peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    if own_peak >= min(min(p) for p in peaks.values()):
        print(f"warning: the runner's own peak ({own_peak / 1024:.1f} MiB) is near the probes' peaks",
              file=sys.stderr)

    time_ratio = statistics.median(times["ours"]) / statistics.median(times["minimal"])
    memory_ratio = statistics.median(peaks["ours"]) / statistics.median(peaks["minimal"])
    print(f"Median of {args.runs} runs each on Xvfb: start-up to the main window's first frame,"
          f" peak resident memory, CPU time of the whole run")
    print(describe("kivo (ours)", times["ours"], peaks["ours"], cpus["ours"]))
    print(describe("minimal QMainWindow", times["minimal"], peaks["minimal"], cpus["minimal"]))
    print(f"start-up ratio ours/minimal: {time_ratio:.3f} (target <= {TARGET_RATIO:.2f})")
    print(f"peak memory ratio ours/minimal: {memory_ratio:.3f} (target <= {TARGET_RATIO:.2f})")
    missed = time_ratio > TARGET_RATIO or memory_ratio > TARGET_RATIO
    return 1 if args.check and missed else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except ProbeFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
