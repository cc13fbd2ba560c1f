#!/usr/bin/env python3
"""Under Wine: the first copy starts with its window; a second copy shows the
system's "Application is already running" box (information icon, caption
"Kivo Love Numerology", one OK button) and no window of its own, and ends
with status 0 after OK while the first keeps running. With the first copy's
topmost promotion window up, the next copy's box is the uppermost window
where the two overlap, its icon seen on screen. Then the first copy is
killed: the next one starts at once, as the system let go of the guard. Last,
another user's mutex under the guard's name (squatted) does not keep the
program from starting.

usage: second_copy_test.py <wine-run.sh> <probe> <kivo-love-numerology.exe>
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from wineharness import (MAIN_CLIENT, MAIN_TITLE, MESSAGE_TITLE, PROMOTION_CLIENT, Program, check,  # noqa: E402
                         log, run_wine_script)


def icon_colour(wine, box):
    """The information icon is blue, the error icon red: which prevails."""
    x, y, width, height = (int(v) for v in box["icon"].split(","))
    blue = red = 0
    for r, g, b in wine.screen_pixels(x, y, width, height):
        if b > r + 60 and b > g:
            blue += 1
        elif r > b + 60 and r > g + 60:
            red += 1
    return "blue" if blue > 3 * red and blue > 20 else "red" if red > 3 * blue and red > 20 else "neither"


def run(wine, executable):
    first = Program(wine, executable, name="first copy")
    second = over = third = squatter = fourth = None
    try:
        main_window = wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        check(int(main_window["pid"]) > 0, "the probe gave no process id")
        check(wine.message_box(MESSAGE_TITLE, wait=False) is None, "the first copy shows a message box")
        log(f"first copy shows its main window: {main_window}")

        second = Program(wine, executable, name="second copy")
        box = wine.message_box(MESSAGE_TITLE)
        check(box is not None, "the second copy shows no message box")
        log(f"second copy shows its box: {box}")
        check(box["boxes"] == "1", f"{box['boxes']} boxes")
        check(box["text"] == "Application is already running", f"the box says {box['text']!r}")
        check(box["buttons"] == "OK", f"the box's buttons are {box['buttons']!r}")
        check(box["icon"] != "none", "the box shows no icon")
        colour = icon_colour(wine, box)
        check(colour == "blue", f"the box's icon is {colour}, not the blue information icon")
        check(wine.windows(MAIN_TITLE, wait=False) == [main_window],
              "the second copy opened a window of its own, or the first one's changed")
        check(second.running(), "the second copy ended before its box was answered")

        status, _ = wine.probe("press", MESSAGE_TITLE, "OK")
        check(status == 0, "could not press OK")
        code = second.wait_for_exit()
        check(code == 0, f"the second copy ended with status {code}: {second.output()}")
        log("second copy ended with status 0")
        check(first.running(), "the first copy ended")
        check(wine.windows(MAIN_TITLE, wait=False) == [main_window], "the first copy's window is gone or moved")

        check(wine.probe("close", MAIN_TITLE, MAIN_CLIENT)[0] == 0, "could not close the main window")
        promotion = wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
        check(promotion["topmost"] == "1", f"the promotion window is not topmost: {promotion}")
        over = Program(wine, executable, name="copy over the promotion window")
        box = wine.message_box(MESSAGE_TITLE)
        check(box is not None, "the copy over the promotion window shows no message box")
        x, y, width, height = (int(v) for v in box["icon"].split(","))
        left, top = (int(v) for v in promotion["origin"].split(","))
        right, bottom = (a + int(b) for a, b in zip((left, top), PROMOTION_CLIENT.split("x")))
        check(left <= x and x + width <= right and top <= y and y + height <= bottom,
              f"the box's icon at {box['icon']} is not over the promotion window {promotion}")
        _, uppermost = wine.probe("at", str(x + width // 2), str(y + height // 2))
        check(uppermost == [f"caption={MESSAGE_TITLE}", "class=#32770"],
              f"the box lies under {uppermost} at its icon")
        colour = icon_colour(wine, box)
        check(colour == "blue", f"the box's icon shows {colour} on screen, not the blue information icon")
        check(wine.probe("press", MESSAGE_TITLE, "OK")[0] == 0, "could not press OK")
        code = over.wait_for_exit()
        check(code == 0, f"the copy over the promotion window ended with status {code}: {over.output()}")
        log("the box came up above the topmost promotion window")

        first.kill()
        log("killed the first copy")
        third = Program(wine, executable, name="third copy")
        log(f"third copy shows its main window: {wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)}")
        time.sleep(1)
        check(wine.message_box(MESSAGE_TITLE, wait=False) is None,
              "the third copy says another one runs, after the only one was killed")
        check(third.running(), f"the third copy ended: {third.output()}")
        third.terminate()

        squatter = Program(wine, wine.probe_exe, name="squatter", own_dlls_only=False, args=["squat"])
        deadline = time.monotonic() + 30
        while "squatting" not in squatter.output() and squatter.running() and time.monotonic() < deadline:
            time.sleep(0.2)
        check("squatting" in squatter.output(), f"the squatter did not take the name: {squatter.output()}")
        fourth = Program(wine, executable, name="copy beside a squatted name")
        log(f"it shows its main window: {wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)}")
        time.sleep(1)
        check(wine.message_box(MESSAGE_TITLE, wait=False) is None,
              "another user's mutex of the guard's name is taken for a running copy")
    finally:
        for copy in (first, second, over, third, squatter, fourth):
            if copy is not None:
                copy.terminate()


if __name__ == "__main__":
    sys.exit(run_wine_script(__doc__, run))
