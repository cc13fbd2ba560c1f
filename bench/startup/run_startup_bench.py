#!/usr/bin/python3
"""Start-up of the program against a text floor: wall time, peak memory and
instructions to the main window's first frame, on a private Xvfb.

Three probes are compared: ours (the program's own start-up), the text floor
(a window of the same size with a menu bar, three labels in three fonts, a
button, a line edit and a combo box) and an empty main window. Each prints
the CLOCK_MONOTONIC time of its first frame and, a fixed settling time later,
its peak resident memory so far (VmHWM), then quits; teardown counts in
neither. The start time is read here right before the probe is spawned, on
the same clock, so the wall time covers exec, dynamic linking, Qt's start,
the window's construction and its first paint.

Instructions to the first frame come from callgrind: the probe dumps the
count at its first frame. Unlike wall time they hardly move with the load of
the machine, so they and the memory are what --check judges; the wall-time
ratio is printed for information.

Every probe runs with the same private X server, runtime folder and D-Bus
session (one dbus-daemon for the whole run), so none pays for starting a bus.
The timed runs rotate the order of the probes after one warm-up run each, so
that drift in the machine's load or caches falls on all alike.

    run_startup_bench.py BUILD_DIR [--runs N] [--profile-runs N] [--check]
"""

import argparse
import contextlib
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# A benchmark run leaves no compiled copy of the tests' X support in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from xsupport import XServer, private_runtime_dir, stop_process  # noqa: E402

# Ours against the text floor.
INSTRUCTION_TARGET = 1.13
MEMORY_TARGET = 1.03
WALL_TARGET = 1.10

PROBE_TIMEOUT = 30.0
PROFILED_PROBE_TIMEOUT = 300.0

PROBES = [
    ("ours", "kivo (ours)", "kivo_startup_probe"),
    ("floor", "text floor", "kivo_text_floor_probe"),
    ("empty", "empty window", "kivo_empty_window_probe"),
]

# A session bus with no services to start: nothing but the probes on it.
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={folder}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


class ProbeFailure(Exception):
    pass


@contextlib.contextmanager
def private_session_bus(folder):
    """A dbus-daemon of our own listening in folder; yields its address."""
    config = os.path.join(folder, "session-bus.conf")
    with open(config, "w", encoding="utf-8") as out:
        out.write(BUS_CONFIG.format(folder=folder))
    daemon = subprocess.Popen(["dbus-daemon", "--config-file", config, "--nofork", "--nopidfile",
                               "--print-address=1"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        ready, _, _ = select.select([daemon.stdout], [], [], PROBE_TIMEOUT)
        address = daemon.stdout.readline().decode().strip() if ready else ""
        if not address:
            raise ProbeFailure("dbus-daemon did not report its address")
        yield address
    finally:
        stop_process(daemon)


def run_probe(command, env, timeout):
    """Runs one probe to its end; returns (nanoseconds from spawn to first
    frame, peak resident KiB at the mark)."""
    name = os.path.basename(command[-1])
    out_read, out_write = os.pipe()
    with tempfile.TemporaryFile() as errors:
        actions = [
            (os.POSIX_SPAWN_DUP2, out_write, 1),
            (os.POSIX_SPAWN_DUP2, errors.fileno(), 2),
            (os.POSIX_SPAWN_CLOSE, out_read),
        ]
        start = time.monotonic_ns()
        pid = os.posix_spawn(command[0], command, env, file_actions=actions)
        os.close(out_write)

        output = b""
        deadline = time.monotonic() + timeout
        try:
            while True:
                left = deadline - time.monotonic()
                ready, _, _ = select.select([out_read], [], [], max(left, 0))
                if not ready:
                    os.kill(pid, 9)
                    os.waitpid(pid, 0)
                    raise ProbeFailure(f"{name} did not finish within {timeout:.0f} s")
                chunk = os.read(out_read, 256)
                if not chunk:
                    break
                output += chunk
        finally:
            os.close(out_read)

        _, status = os.waitpid(pid, 0)
        if not os.WIFEXITED(status) or os.WEXITSTATUS(status) != 0:
            errors.seek(0)
            raise ProbeFailure(f"{name} ended with wait status {status}: "
                               f"{errors.read().decode(errors='replace').strip()}")

    marks = dict(line.split(" ", 1) for line in output.decode().splitlines() if " " in line)
    if set(marks) != {"frame", "peak-kib"} or not all(v.isdigit() for v in marks.values()):
        raise ProbeFailure(f"{name} printed {output!r}, not its frame time and peak memory")
    painted = int(marks["frame"])
    if painted <= start:
        raise ProbeFailure(f"{name} reported a first frame before it was started")
    return painted - start, int(marks["peak-kib"])


def first_frame_instructions(profile):
    """The instruction count of a callgrind dump taken at the first frame."""
    with open(profile, encoding="utf-8", errors="replace") as dump:
        text = dump.read()
    if "Trigger: Client Request: first frame" not in text:
        raise ProbeFailure(f"{profile} is not the dump taken at the first frame")
    for line in text.splitlines():
        if line.startswith("summary:"):
            return int(line.split()[1])
    raise ProbeFailure(f"{profile} has no summary line")


def profile_probe(exe, env, scratch, run_number):
    """Runs a probe under callgrind; returns the path of its first-frame dump."""
    out = os.path.join(scratch, f"{os.path.basename(exe)}-{run_number}")
    command = [shutil.which("valgrind"), "--tool=callgrind", f"--callgrind-out-file={out}", exe]
    run_probe(command, env, PROFILED_PROBE_TIMEOUT)
    # Dumps on request get the suffix .1; the rest of the run goes to out.
    return out + ".1"


def spread(values, scale, digits):
    q1, _, q3 = statistics.quantiles([v / scale for v in values], n=4, method="inclusive")
    return (f"{statistics.median(values) / scale:.{digits}f} "
            f"(min {min(values) / scale:.{digits}f}, IQR {q1:.{digits}f}-{q3:.{digits}f})")


def ratio_line(label, results, other, keys):
    parts = []
    for key, name in keys:
        if results[key]["ours"] and results[key][other]:
            parts.append(f"{name} {statistics.median(results[key]['ours']) / statistics.median(results[key][other]):.3f}")
    return f"ours / {label}: " + ", ".join(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build_dir", help="the bench preset's build folder")
    parser.add_argument("--runs", type=int, default=20, help="timed runs of each probe (default 20)")
    parser.add_argument("--profile-runs", type=int, default=3,
                        help="callgrind runs of each probe for the instruction counts (default 3)")
    parser.add_argument("--check", action="store_true",
                        help="exit with status 1 when the instructions or the memory miss their target")
    args = parser.parse_args()
    if args.runs < 2:
        parser.error("--runs must be at least 2")
    if args.profile_runs < (1 if args.check else 0):
        parser.error("--check needs at least one profile run")

    missing = [tool for tool in ("Xvfb", "dbus-daemon") if shutil.which(tool) is None]
    if missing:
        print(f"{', '.join(missing)} not installed (scripts/install-deps.sh installs them)", file=sys.stderr)
        return 2
    if args.profile_runs and shutil.which("valgrind") is None:
        print("valgrind is needed for the instruction counts; install it or pass --profile-runs 0",
              file=sys.stderr)
        return 2
    exes = {key: os.path.abspath(os.path.join(args.build_dir, "bench", "startup", target))
            for key, _, target in PROBES}
    for path in exes.values():
        if not os.access(path, os.X_OK):
            print(f"missing probe {path}; build the bench preset first", file=sys.stderr)
            return 2

    profile_dir = os.path.join(args.build_dir, "startup-profile")
    results = {metric: {key: [] for key in exes} for metric in ("wall", "peak", "instructions")}
    with XServer() as xserver, private_runtime_dir() as runtime, private_session_bus(runtime) as bus:
        env = xserver.env(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime, DBUS_SESSION_BUS_ADDRESS=bus)
        # Any scaling, debugging or session the caller's desktop sets would
        # only apply to one side's cost differently; all run with Qt's defaults.
        for key in ("QT_SCALE_FACTOR", "QT_DEBUG_PLUGINS", "QT_LOGGING_RULES", "QT_STYLE_OVERRIDE",
                    "SESSION_MANAGER", "AT_SPI_BUS_ADDRESS"):
            env.pop(key, None)
        keys = [key for key, _, _ in PROBES]
        for key in keys:
            run_probe([exes[key]], env, PROBE_TIMEOUT)  # warm-up: page cache, font cache
        for round_number in range(args.runs):
            shift = round_number % len(keys)
            for key in keys[shift:] + keys[:shift]:
                elapsed, peak = run_probe([exes[key]], env, PROBE_TIMEOUT)
                results["wall"][key].append(elapsed)
                results["peak"][key].append(peak)

        if args.profile_runs:
            os.makedirs(profile_dir, exist_ok=True)
            with tempfile.TemporaryDirectory(prefix="kivo-startup-profile-") as scratch:
                for run_number in range(args.profile_runs):
                    for key in keys:
                        dump = profile_probe(exes[key], env, scratch, run_number)
                        results["instructions"][key].append(first_frame_instructions(dump))
                        shutil.copyfile(dump, os.path.join(profile_dir, f"{key}.callgrind"))

    print(f"Start-up to the main window's first frame on Xvfb: median of {args.runs} runs each for the"
          f" wall time and the peak resident memory (read 300 ms after the frame), of"
          f" {args.profile_runs} callgrind runs for the instructions.")
    print(f"{'probe':<14} {'wall ms':<32} {'peak MiB':<30} instructions (M)")
    for key, label, _ in PROBES:
        instructions = results["instructions"][key]
        counted = (f"{statistics.median(instructions) / 1e6:.1f} (min {min(instructions) / 1e6:.1f},"
                   f" max {max(instructions) / 1e6:.1f})" if instructions else "-")
        print(f"{label:<14} {spread(results['wall'][key], 1e6, 1):<32} "
              f"{spread(results['peak'][key], 1024, 1):<30} {counted}")
    metrics = [("instructions", "instructions"), ("peak", "peak RSS"), ("wall", "wall")]
    print(ratio_line("empty window", results, "empty", metrics))
    print(ratio_line("text floor", results, "floor", metrics)
          + f"  (targets {INSTRUCTION_TARGET:.2f}, {MEMORY_TARGET:.2f}, {WALL_TARGET:.2f};"
            " wall time swings with load and is not judged)")
    if args.profile_runs:
        print(f"first-frame profiles: {profile_dir}/<probe>.callgrind"
              " (callgrind_annotate --inclusive=yes FILE)")

    if not args.check:
        return 0
    missed = []
    for metric, name, target in (("instructions", "instructions", INSTRUCTION_TARGET),
                                 ("peak", "peak RSS", MEMORY_TARGET)):
        ratio = statistics.median(results[metric]["ours"]) / statistics.median(results[metric]["floor"])
        if ratio > target:
            missed.append(f"{name} {ratio:.3f} > {target:.2f}")
    if missed:
        print("missed: " + "; ".join(missed))
        return 1
    print("targets met")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except ProbeFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
