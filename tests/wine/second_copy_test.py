"""Under Wine: the first copy starts with its window; a second copy shows the
system's "Application is already running" box (information icon, caption
"Kivo Love Numerology", one OK button) and no window of its own, and ends
with status 0 after OK while the first keeps running. With the first copy's
topmost promotion window up, the next copy's box is the uppermost window
where the two overlap, its icon seen on screen. Then the first copy is
killed: the next one starts at once, as the system let go of the guard. Last,
another user's mutex under the guard's name (squatted) does not keep the
program from starting.
"""

import time

from winesupport import MAIN_CLIENT, MAIN_TITLE, MESSAGE_TITLE, PROMOTION_CLIENT, log, wait_until


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


def test_second_copy_refused(wine, program, launch):
    first = launch(program, name="first copy")
    main_window = wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
    assert int(main_window["pid"]) > 0, "the probe gave no process id"
    assert wine.message_box(MESSAGE_TITLE, wait=False) is None, "the first copy shows a message box"
    log(f"first copy shows its main window: {main_window}")

    second = launch(program, name="second copy")
    box = wine.message_box(MESSAGE_TITLE)
    assert box is not None, "the second copy shows no message box"
    log(f"second copy shows its box: {box}")
    assert box["boxes"] == "1", f"{box['boxes']} boxes"
    assert box["text"] == "Application is already running", f"the box says {box['text']!r}"
    assert box["buttons"] == "OK", f"the box's buttons are {box['buttons']!r}"
    assert box["icon"] != "none", "the box shows no icon"
    colour = icon_colour(wine, box)
    assert colour == "blue", f"the box's icon is {colour}, not the blue information icon"
    assert wine.windows(MAIN_TITLE, wait=False) == [main_window], \
        "the second copy opened a window of its own, or the first one's changed"
    assert second.running(), "the second copy ended before its box was answered"

    status, _ = wine.probe("press", MESSAGE_TITLE, "OK")
    assert status == 0, "could not press OK"
    code = second.wait_for_exit()
    assert code == 0, f"the second copy ended with status {code}: {second.output()}"
    log("second copy ended with status 0")
    assert first.running(), "the first copy ended"
    assert wine.windows(MAIN_TITLE, wait=False) == [main_window], "the first copy's window is gone or moved"

    assert wine.probe("close", MAIN_TITLE, MAIN_CLIENT)[0] == 0, "could not close the main window"
    promotion = wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
    assert promotion["topmost"] == "1", f"the promotion window is not topmost: {promotion}"
    over = launch(program, name="copy over the promotion window")
    box = wine.message_box(MESSAGE_TITLE)
    assert box is not None, "the copy over the promotion window shows no message box"
    x, y, width, height = (int(v) for v in box["icon"].split(","))
    left, top = (int(v) for v in promotion["origin"].split(","))
    right, bottom = (a + int(b) for a, b in zip((left, top), PROMOTION_CLIENT.split("x")))
    assert left <= x and x + width <= right and top <= y and y + height <= bottom, \
        f"the box's icon at {box['icon']} is not over the promotion window {promotion}"
    _, uppermost = wine.probe("at", str(x + width // 2), str(y + height // 2))
    assert uppermost == [f"caption={MESSAGE_TITLE}", "class=#32770"], f"the box lies under {uppermost} at its icon"
    colour = icon_colour(wine, box)
    assert colour == "blue", f"the box's icon shows {colour} on screen, not the blue information icon"
    assert wine.probe("press", MESSAGE_TITLE, "OK")[0] == 0, "could not press OK"
    code = over.wait_for_exit()
    assert code == 0, f"the copy over the promotion window ended with status {code}: {over.output()}"
    log("the box came up above the topmost promotion window")

    first.kill()
    log("killed the first copy")
    third = launch(program, name="third copy")
    log(f"third copy shows its main window: {wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)}")
    time.sleep(1)
    assert wine.message_box(MESSAGE_TITLE, wait=False) is None, \
        "the third copy says another one runs, after the only one was killed"
    assert third.running(), f"the third copy ended: {third.output()}"
    third.terminate()

    squatter = launch(wine.probe_exe, name="squatter", own_dlls_only=False, args=["squat"])
    wait_until("the squatter to take the name", lambda: "squatting" in squatter.output() or not squatter.running(),
               timeout=30, interval=0.2, detail=squatter.output)
    assert "squatting" in squatter.output(), f"the squatter did not take the name: {squatter.output()}"
    launch(program, name="copy beside a squatted name")
    log(f"it shows its main window: {wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)}")
    time.sleep(1)
    assert wine.message_box(MESSAGE_TITLE, wait=False) is None, \
        "another user's mutex of the guard's name is taken for a running copy"
