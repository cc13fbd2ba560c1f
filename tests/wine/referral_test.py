"""Under Wine: the refer-a-friend form of the exit promotion window.

A click into a field of the inactive promotion window: another window is in
front (a topmost window of the probe's), the click goes straight into "Your
Name", and what is typed there replaces the placeholder: the address the
browser gets says taf1=Zelda, not "Your NameZelda".

Then the longest address: e-mail addresses padded with characters that are
percent-encoded make the address exactly as long as the program opens
(900 characters, kLongestAddress in app/platform/Platform.h): the fake
browser gets it and the program runs on. One character more: the address is
not opened, our own message box (caption "Kivo Love Numerology") says why,
and after OK the program runs on. Wine's ShellExecuteW itself faults on
addresses of about a thousand characters.

Nothing of the referral, neither a value typed nor an address, shows in
what the program writes.
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
# What is typed: the name, the e-mail address, the message, the friend's
# name and e-mail address, in the order of the address's taf1 to taf5.
TYPED = ("Zelda", "zelda@x.org", "Quillon lake at noon", "Orson", "orson@x.org")


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
        # Qt's messages go to standard error, where the test reads them, not
        # to the debugger. (Wine hands a QT_ variable to Windows programs by
        # its name with WINE before it.)
        app = launch(program, env={"KIVO_FAKE_BROWSER_LOG": browser_log.name, "WINEQT_FORCE_STDERR_LOGGING": "1"})
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

        name, email, message, friend_name, friend_email = TYPED
        wine.click(promotion, *NAME)
        wine.xdotool("type", "--delay", "20", name)
        _, front = wine.probe("foreground")
        assert f"client={PROMOTION_CLIENT}" in front, f"the click did not activate the form: {front}"
        fill(wine, promotion, EMAIL, email)
        fill(wine, promotion, FRIEND_NAME, friend_name)
        # The message field lies outside the frame's visible part: Tab leads
        # there from the friend's name.
        wine.xdotool("key", "Tab", "ctrl+a")
        wine.xdotool("type", "--delay", "10", message)
        fill(wine, promotion, FRIEND_EMAIL, friend_email)
        wine.click(promotion, *SUBMIT)
        first = wait_for_addresses(browser_log.name, 1)[0]
        sent = urllib.parse.parse_qs(urllib.parse.urlsplit(first).query)
        assert [sent.get(f"taf{i}") for i in range(1, 6)] == [[value] for value in TYPED], \
            f"the form sent {first}"
        log(f"typed into the placeholder field of the inactive window, the form sent taf1={name}")

        # The same form with the sender's address padded to the longest.
        longest_email = padded_email(LONGEST_ADDRESS - len(first) + len(encoded(email)))
        fill(wine, promotion, EMAIL, longest_email)
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

        # The address as opened, and each value typed, plain and as the
        # address carries it.
        values = TYPED + (longest_email, longest_email + "a")
        referral = dict.fromkeys(addresses(browser_log.name) + list(values) + [encoded(v) for v in values])
        output = app.output()
        shown = [text for text in referral if text in output]
        assert not shown, f"the program wrote what the referral carries ({shown}):\n{output}"
        log(f"its {len(output)} characters of output hold nothing of the referral")
