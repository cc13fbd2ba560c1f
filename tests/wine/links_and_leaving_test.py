"""Under Wine: a click on the main window's forum link (Label14) and the menu
entry Help > Online Help each hand their https address to the shell
(ShellExecuteW), which passes it to the browser: here the fake browser of the
tests' Wine prefix, which writes it down. A reading is asked for, and the
steps tip of its Life Path heading must read at 4.5 : 1 or more on the
screen (Qt's own tooltip came out grey on white here). Then the main window
is closed by its close box (WM_CLOSE); the exit promotion window comes up,
topmost, while the program keeps running; closing it ends the program with
status 0.
"""

import tempfile
import time
import urllib.parse

from winesupport import MAIN_CLIENT, MAIN_TITLE, PROMOTION_CLIENT, log, steps_tip_contrast, wait_until

# Label14 in the main window's client area below the menu bar (its centre).
LABEL14_CENTRE = (8 + 624 // 2, 5 + 18 // 2)
CLIENT_BELOW_MENU = 452
RESULT_GREY = (96, 100, 108)


def site_root_with_slash(address):
    """The shell writes a site's root with its slash: "https://host/"."""
    return address + "/" if urllib.parse.urlsplit(address).path == "" else address


def wait_for_address(log_path, address, timeout=20):
    """Waits until the browser got the address; returns all it got."""
    seen = []

    def got():
        with open(log_path, encoding="utf-8", errors="replace") as opened:
            seen[:] = opened.read().split()
        return seen if address in seen else None
    return wait_until(f"{address} to reach the browser", got, timeout, interval=0.2, detail=lambda: f"it got {seen}")


def test_links_and_leaving(wine, program, option, launch):
    forum = site_root_with_slash(option("forum"))
    online_help = option("online-help")
    with tempfile.NamedTemporaryFile(prefix="kivo-browser-", suffix=".log") as browser_log:
        app = launch(program, env={"KIVO_FAKE_BROWSER_LOG": browser_log.name})
        window = wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        menu_height = int(window["client"].split("x")[1]) - CLIENT_BELOW_MENU
        wine.click(window, LABEL14_CENTRE[0], menu_height + LABEL14_CENTRE[1])
        seen = wait_for_address(browser_log.name, forum)
        assert seen == [forum], f"one click opened {seen}"
        log(f"the forum link opened {forum}")

        left, top = (int(v) for v in window["origin"].split(","))
        wine.xdotool("mousemove", "--sync", str(left + 300), str(top + 200))
        wine.xdotool("key", "alt+h")
        time.sleep(0.5)
        wine.xdotool("key", "o")
        seen = wait_for_address(browser_log.name, online_help)
        assert seen == [forum, online_help], f"the menu entry opened {seen[1:]}"
        log(f"Help > Online Help opened {online_help}")

        wine.xdotool("type", "--delay", "20", "Ann")
        wine.xdotool("key", "Tab", "Tab", "Tab", "Tab")
        wine.xdotool("type", "--delay", "20", "Catherine")
        wine.xdotool("key", "alt+g")
        wait_until("the result page's grey",
                   lambda: wine.screen_pixels(left + 20, top + menu_height + 300, 1, 1) == [RESULT_GREY])
        ratio, tip = steps_tip_contrast(
            lambda x, y, width, height: wine.screen_pixels(left + x, top + menu_height + y, width, height),
            lambda x, y: wine.xdotool("mousemove", "--sync", str(left + x), str(top + menu_height + y)))
        assert ratio >= 4.5, f"the steps tip at {tip} reads at {ratio:.2f} : 1"
        log(f"the steps tip at {tip} reads at {ratio:.1f} : 1")

        status, _ = wine.probe("close", MAIN_TITLE, MAIN_CLIENT)
        assert status == 0, "could not close the main window"
        promotion = wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
        assert promotion["topmost"] == "1", f"the exit promotion window is not topmost: {promotion}"
        time.sleep(0.5)
        assert app.running(), f"the program ended with its main window: {app.output()}"
        assert [w["client"] for w in wine.windows(MAIN_TITLE, wait=False)] == [PROMOTION_CLIENT], \
            "the main window is still there beside the promotion window"
        log(f"the exit promotion window is up and topmost: {promotion}")

        status, _ = wine.probe("close", MAIN_TITLE, PROMOTION_CLIENT)
        assert status == 0, "could not close the exit promotion window"
        code = app.wait_for_exit()
        assert code == 0, f"the program ended with status {code}: {app.output()}"
        log("leaving it ended the program with status 0")
