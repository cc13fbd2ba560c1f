#!/usr/bin/env python3
"""End to end: a second copy of the program is refused while the first runs.

Starts a private X server and the real program, waits for its main window,
starts a second copy, sees its "already running" message box, dismisses it,
and checks that the second copy exits with status 0 while the first keeps
running with its window.

The first copy is started with options Qt would read from a command line:
"-reverse -stylesheet FILE -platform offscreen". The program reads none: its
window is on the X display, laid out left to right (the menu bar's entries
start at its left edge), and the file, a FIFO, is never opened (opening it
would block the start-up until someone writes to it).

usage: second_copy_test.py <path to kivo-love-numerology>
"""

import errno
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from xharness import (MAIN_TITLE, MESSAGE_TITLE, Program, TestFailure, XServer, check, log,  # noqa: E402
                      private_runtime_dir, run_script)


def check_menu_bar_from_the_left(x, window):
    """The menu bar's dark text starts at the window's left edge and stays in
    its left half: "File", "Help", "Donate" as laid out left to right."""
    place = x.window_geometry(window)
    left, top, width = int(place["X"]), int(place["Y"]), int(place["WIDTH"])
    band = x.screen_pixels(left, top + 3, width, 14)
    dark = [i % width for i, (r, g, b) in enumerate(band) if r + g + b < 240]
    check(dark, "no text in the menu bar")
    check(min(dark) < 40 and max(dark) < width // 2,
          f"the menu bar's text lies from x {min(dark)} to {max(dark)} of {width}: mirrored")


def run(executable):
    with XServer() as x, private_runtime_dir() as runtime:
        style_sheet = os.path.join(runtime, "style.qss")
        os.mkfifo(style_sheet, 0o600)
        qt_options = ("-reverse", "-stylesheet", style_sheet, "-platform", "offscreen")
        with Program(executable, x, runtime, name="first copy", args=qt_options) as first:
            main_window = x.wait_for_main_window(first)
            try:
                os.close(os.open(style_sheet, os.O_WRONLY | os.O_NONBLOCK))
                raise TestFailure("the first copy holds the style sheet open")
            except OSError as error:
                check(error.errno == errno.ENXIO, f"the style sheet FIFO: {error}")
            check_menu_bar_from_the_left(x, main_window)
            log("the first copy took none of Qt's options from its command line")

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
