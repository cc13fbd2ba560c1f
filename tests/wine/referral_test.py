"""Under Wine: the refer-a-friend form of the exit promotion window.

A click into a field of the inactive promotion window: another window is in
front (a topmost window of the probe's), the click goes straight into "Your
Name", and what is typed there replaces the placeholder: the address the
browser gets says taf1=Ann, not "Your NameAnn".

Then the longest address: e-mail addresses padded with characters that are
percent-encoded make the address exactly as long as the program opens
(900 characters, kLongestAddress in app/platform/Platform.h): the fake
browser gets it and the program runs on. One character more: the address is
not opened, our own message box (caption "Kivo Love Numerology") says why,
and after OK the program runs on. Wine's ShellExecuteW itself faults on
addresses of about a thousand characters.
"""

import os
import tempfile
import time
import urllib.parse

from winesupport import MAIN_CLIENT, MAIN_TITLE, MESSAGE_TITLE, PROMOTION_CLIENT, log, wait_until

LONGEST_ADDRESS = 900
TOO_LONG = "The web address is too long to be opened. Please shorten your entries and try again."

# Centres of the form's controls in the promotion window's client area
# (the frame at 8, 216; the fields 225 x 19 at 6 or 240, 24 or 48 in it).
NAME = (8 + 6 + 112, 216 + 24 + 9)
EMAIL = (8 + 240 + 112, 216 + 24 + 9)
FRIEND_NAME = (8 + 6 + 112, 216 + 48 + 9)
FRIEND_EMAIL = (8 + 240 + 112, 216 + 48 + 9)
SUBMIT = (8 + 128 + 112, 216 + 72 + 9)


def encoded(text):
    """A value as the program puts it into the address."""
    return urllib.parse.quote(text, safe="-._~")


def addresses(log_path):
    if not os.path.exists(log_path):
        return []
    with open(log_path, encoding="utf-8", errors="replace") as opened:
        return opened.read().split()


def wait_for_addresses(log_path, count, timeout=20):
    """Waits until the browser got `count` addresses; returns all it got."""
    def got():
        seen = addresses(log_path)
        return seen if len(seen) >= count else None
    return wait_until(f"{count} addresses at the browser", got, timeout, interval=0.2,
                      detail=lambda: f"it got {addresses(log_path)}")


def fill(wine, promotion, place, text):
    """Clicks into a field, selects what it holds and types text over it."""
    wine.click(promotion, *place)
    wine.xdotool("key", "ctrl+a")
    wine.xdotool("type", "--delay", "10", text)


def padded_email(length):
    """An e-mail address whose encoded form is `length` characters long:
    each "/" takes three ("%2F"), each "a" one, "@x.org" eight."""
    need = length - len(encoded("@x.org"))
    slashes, letters = divmod(need, 3)
    email = "/" * slashes + "a" * letters + "@x.org"
    assert len(encoded(email)) == length and len(email) <= 254, f"cannot pad an address to {length}"
    return email


def test_referral(wine, program, launch):
    with tempfile.NamedTemporaryFile(prefix="kivo-browser-", suffix=".log") as browser_log:
        app = launch(program, env={"KIVO_FAKE_BROWSER_LOG": browser_log.name})
        wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        status, _ = wine.probe("close", MAIN_TITLE, MAIN_CLIENT)
        assert status == 0, "could not close the main window"
        promotion = wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
        time.sleep(0.5)

        # Another window in front, over the catalogue at the right.
        left, top = (int(v) for v in promotion["origin"].split(","))
        cover = launch(wine.probe_exe, name="the covering window", own_dlls_only=False,
                       args=["cover", str(left + 500), str(top), "240", "200"])
        wait_until("the covering window", lambda: "covering" in cover.output(), 20, interval=0.2)
        time.sleep(0.5)
        _, front = wine.probe("foreground")
        assert "caption=kivo_wine_probe cover" in front, f"the covering window is not in front: {front}"

        wine.click(promotion, *NAME)
        wine.xdotool("type", "--delay", "20", "Ann")
        _, front = wine.probe("foreground")
        assert f"client={PROMOTION_CLIENT}" in front, f"the click did not activate the form: {front}"
        fill(wine, promotion, EMAIL, "ann@x.org")
        fill(wine, promotion, FRIEND_NAME, "Bob")
        fill(wine, promotion, FRIEND_EMAIL, "bob@x.org")
        wine.click(promotion, *SUBMIT)
        first = wait_for_addresses(browser_log.name, 1)[0]
        name = urllib.parse.parse_qs(urllib.parse.urlsplit(first).query).get("taf1")
        assert name == ["Ann"], f"the form sent the name {name}: {first}"
        log("typed into the placeholder field of the inactive window, the form sent taf1=Ann")

        # The same form with the sender's address padded to the longest.
        email = padded_email(LONGEST_ADDRESS - len(first) + len(encoded("ann@x.org")))
        fill(wine, promotion, EMAIL, email)
        wine.click(promotion, *SUBMIT)
        longest = wait_for_addresses(browser_log.name, 2)[1]
        assert len(longest) == LONGEST_ADDRESS, f"the address is {len(longest)} characters long: {longest}"
        time.sleep(1)
        assert app.running(), f"the program ended: {app.output()}"
        assert wine.message_box(MESSAGE_TITLE, wait=False) is None, "a message box came up at the longest"
        log(f"an address of {LONGEST_ADDRESS} characters reached the browser")

        wine.click(promotion, *EMAIL)
        wine.xdotool("key", "End")
        wine.xdotool("type", "a")
        wine.click(promotion, *SUBMIT)
        box = wine.message_box(MESSAGE_TITLE)
        assert box is not None, "no message box for an address one character too long"
        assert box["text"] == TOO_LONG, f"the message box says {box['text']!r}"
        status, _ = wine.probe("press", MESSAGE_TITLE, "OK")
        assert status == 0, "could not press OK"
        time.sleep(1)
        assert len(addresses(browser_log.name)) == 2, \
            f"the address one past the longest was opened: {addresses(browser_log.name)[2:]}"
        assert app.running(), f"the program ended: {app.output()}"
        log("one character more: not opened, and our message box said why")

        status, _ = wine.probe("close", MAIN_TITLE, PROMOTION_CLIENT)
        assert status == 0, "could not close the exit promotion window"
        code = app.wait_for_exit()
        assert code == 0, f"the program ended with status {code}: {app.output()}"
