#!/usr/bin/env python3
"""End to end: a second copy of the program is refused while the first runs.

Starts a private X server and the real program, waits for its main window,
starts a second copy, sees its "already running" message box, dismisses it,
and checks that the second copy exits with status 0 while the first keeps
running with its window.

usage: second_copy_test.py <path to kivo-love-numerology>
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from xharness import (MAIN_TITLE, MESSAGE_TITLE, Program, XServer, check, log,  # noqa: E402
                      private_runtime_dir, run_script)


def run(executable):
    with XServer() as x, private_runtime_dir() as runtime:
        with Program(executable, x, runtime, name="first copy") as first:
            main_window = x.wait_for_main_window(first)

            with Program(executable, x, runtime, name="second copy") as second:
                box = x.wait_for_window(MESSAGE_TITLE, pid=second.pid)
                log(f"second copy shows its message box {box}")
                check(not x.find_windows(MAIN_TITLE, pid=second.pid),
                      "the second copy opened a main window of its own")
                x.screenshot("second-copy-message.png")
                check(second.running(), "the second copy ended before its message was dismissed")

                x.press_key(box, "Return")
                second.expect_clean_exit()

            check(first.running(), "the first copy ended when the second one was refused")
            check(x.find_windows(MAIN_TITLE, pid=first.pid) == [main_window],
                  "the first copy's main window is gone or another appeared")
            log("first copy still running with its window")


def main():
    return run_script(__doc__, ('Xvfb', 'xdotool'), run)


if __name__ == "__main__":
    sys.exit(main())
