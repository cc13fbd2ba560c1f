"""End to end: the single-instance guard survives kill -9 of the running copy.

Starts the real program on a private X server, waits for its main window,
kills it with SIGKILL (no clean-up runs, the lock file stays behind), then
starts the next copy: its main window must appear, with no "already running"
message box, and it must hold the lock now. Twice in a row, so a lock taken
over from a killed copy is itself taken over the same way. Who holds the
lock is read from the kernel's list of file locks, /proc/locks.
"""

import os
import signal
import time

import pytest

from xsupport import MESSAGE_TITLE, log

pytestmark = pytest.mark.tools("Xvfb", "xdotool")
LOCK_NAME = "kivo-love-numerology.lock"
ROUNDS = 2


def lock_owner(path):
    """The process id holding a lock on the file, or None."""
    try:
        inode = os.stat(path).st_ino
    except FileNotFoundError:
        return None
    with open("/proc/locks", encoding="ascii") as locks:
        for line in locks:
            # "1: FLOCK  ADVISORY  WRITE 1234 fe:01:5678 0 EOF"
            fields = line.split()
            if len(fields) > 5 and fields[1] == "FLOCK" and fields[5].split(":")[-1] == str(inode):
                return int(fields[4])
    return None


def test_killed_copy_lock_taken_over(xserver, runtime_dir, launch):
    x = xserver
    lock = os.path.join(runtime_dir, LOCK_NAME)
    running = launch(name="copy 1")
    x.wait_for_main_window(running)
    for n in range(2, ROUNDS + 2):
        assert lock_owner(lock) == running.pid, \
            f"the lock names {lock_owner(lock)}, not the running copy {running.pid}"
        os.kill(running.pid, signal.SIGKILL)
        status = running.wait_for_exit()
        assert status == -signal.SIGKILL, f"the copy ended with {status}, not by SIGKILL"
        assert os.path.exists(lock), "the killed copy's lock file is gone; nothing was tested"
        assert lock_owner(lock) is None, f"the lock is still held, by {lock_owner(lock)}"
        log(f"killed {running.name}; its lock file is left behind, no longer locked")

        running = launch(name=f"copy {n}")
        x.wait_for_main_window(running)
        # A refusal would show its box instead of, not beside, the
        # main window; give a late one the chance to appear anyway.
        time.sleep(0.5)
        assert running.running(), f"{running.name} ended: {running.output()}"
        assert not x.find_windows(MESSAGE_TITLE, pid=running.pid), f"{running.name} says another copy is running"
        assert lock_owner(lock) == running.pid, f"{running.name} runs without owning the lock ({lock_owner(lock)})"
        log(f"{running.name} took over the lock")
