"""End to end: how a copy of the program starts.

    refused     Starts a private X server and the real program, waits for
                its main window, starts a second copy, sees its "already
                running" message box, dismisses it, and checks that the
                second copy exits with status 0 while the first keeps
                running with its window. The first copy is started with
                options Qt would read from a command line: "-reverse
                -stylesheet FILE -platform offscreen". The program reads
                none: its window is on the X display, laid out left to
                right, and the file, a FIFO, is never opened (opening it
                would block the start-up until someone writes to it).
    type-ahead  The moment the main window maps, before it has had time to
                paint, a click drops the user's day list down and Down keys
                walk it to "31"; Tab and Down keys then take the month list
                to April. Once the names are typed, Alt+G must be refused
                with a date message: 31 April does not exist. A list that
                was not complete when the input came would leave "1" or
                "January", a date that exists, and the reading would be
                given. Five starts, since how early the input lands varies.
"""

import ctypes
import ctypes.util
import errno
import os
import re
import select
import subprocess
import time

import pytest

from xsupport import DEFAULT_TIMEOUT, MAIN_TITLE, MESSAGE_TITLE, log, wait_until

pytestmark = pytest.mark.tools("Xvfb", "xdotool", "xprop", "xwininfo", "import")

CLIENT_HEIGHT = 452
# The middle of the user's day list, in the client area below the menu bar.
USER_DAY_LIST = (362, 148)
TYPE_AHEAD_STARTS = 5


def check_menu_bar_from_the_left(x, window):
    """The menu bar's dark text starts at the window's left edge and stays in
    its left half: "File", "Help", "Donate" as laid out left to right."""
    place = x.window_geometry(window)
    left, top, width = int(place["X"]), int(place["Y"]), int(place["WIDTH"])
    band = x.screen_pixels(left, top + 3, width, 14)
    dark = [i % width for i, (r, g, b) in enumerate(band) if r + g + b < 240]
    assert dark, "no text in the menu bar"
    assert min(dark) < 40 and max(dark) < width // 2, \
        f"the menu bar's text lies from x {min(dark)} to {max(dark)} of {width}: mirrored"


def place(x, window):
    """A window's x, y, width and height on the screen."""
    geometry = x.window_geometry(window)
    return [int(geometry[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")]


def check_seen_above(x, box, promotion, shown_before):
    """The box is above the promotion window: it asks to be kept on top
    (_NET_WM_STATE_ABOVE), lies above it in the X stacking order (xwininfo
    lists the root's children top first), and where the two overlap the
    screen no longer shows what the promotion window showed."""
    states = subprocess.run(["xprop", "-id", box, "_NET_WM_STATE"], env=x.env(), capture_output=True,
                            text=True, timeout=x.timeout).stdout
    assert "_NET_WM_STATE_ABOVE" in states, f"the box is not kept on top: {states.strip()}"
    tree = subprocess.run(["xwininfo", "-root", "-children"], env=x.env(), capture_output=True, text=True,
                          timeout=x.timeout).stdout
    order = [int(w, 16) for w in re.findall(r"^\s+(0x[0-9a-f]+)", tree, re.M)]
    assert order.index(int(box)) < order.index(int(promotion)), "the box lies below the promotion window"
    (px, py, pw, ph), (bx, by, bw, bh) = place(x, promotion), place(x, box)
    left, top, right, bottom = max(px, bx), max(py, by), min(px + pw, bx + bw), min(py + ph, by + bh)
    assert right - left > 100 and bottom - top > 50, "the box hardly overlaps the promotion window"
    now = x.screen_pixels(left, top, right - left, bottom - top)
    before = [shown_before[(y - py) * pw + xx - px] for y in range(top, bottom) for xx in range(left, right)]
    changed = sum(a != b for a, b in zip(now, before)) / len(now)
    assert changed > 0.5, f"only {changed:.0%} of the overlap changed: the box is hidden"
    log(f"the box is seen above the promotion window ({changed:.0%} of the overlap is the box's)")


def test_refused(xserver, runtime_dir, launch):
    x = xserver
    style_sheet = os.path.join(runtime_dir, "style.qss")
    os.mkfifo(style_sheet, 0o600)
    qt_options = ("-reverse", "-stylesheet", style_sheet, "-platform", "offscreen")
    first = launch(name="first copy", args=qt_options)
    main_window = x.wait_for_main_window(first)
    with pytest.raises(OSError) as error:
        os.close(os.open(style_sheet, os.O_WRONLY | os.O_NONBLOCK))
        pytest.fail("the first copy holds the style sheet open")
    assert error.value.errno == errno.ENXIO, f"the style sheet FIFO: {error.value}"
    check_menu_bar_from_the_left(x, main_window)
    log("the first copy took none of Qt's options from its command line")

    second = launch(name="second copy")
    box = x.wait_for_window(MESSAGE_TITLE, pid=second.pid)
    log(f"second copy shows its message box {box}")
    assert not x.find_windows(MAIN_TITLE, pid=second.pid), "the second copy opened a main window of its own"
    x.screenshot("second-copy-message.png")
    assert second.running(), "the second copy ended before its message was dismissed"
    x.press_key(box, "Return")
    second.expect_clean_exit()

    assert first.running(), "the first copy ended when the second one was refused"
    assert x.find_windows(MAIN_TITLE, pid=first.pid) == [main_window], \
        "the first copy's main window is gone or another appeared"
    log("first copy still running with its window")

    x.exit_by_menu(main_window)
    promotion = x.wait_for_promotion(first, main_window)
    shown_before = x.screen_pixels(*place(x, promotion))
    third = launch(name="copy over the promotion window")
    box = x.wait_for_window(MESSAGE_TITLE, pid=third.pid)
    check_seen_above(x, box, promotion, shown_before)
    x.screenshot("second-copy-over-promotion.png")
    x.press_key(box, "Return")
    third.expect_clean_exit()


class InputAsWindowMaps:
    """Sends a click and keys through XTEST the moment a top-level window
    maps, from the notice of the map itself: polling with xdotool comes too
    late to meet a window that has not painted yet."""

    SUBSTRUCTURE_NOTIFY = 1 << 19
    MAP_NOTIFY = 19

    def __init__(self, x):
        xlib = ctypes.util.find_library("X11")
        xtst = ctypes.util.find_library("Xtst")
        assert xlib and xtst, "libX11 or libXtst not found"
        self.x11 = ctypes.CDLL(xlib)
        self.xtst = ctypes.CDLL(xtst)
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for name in ("XDefaultRootWindow", "XStringToKeysym"):
            getattr(self.x11, name).restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        for name in ("XPending", "XConnectionNumber", "XFlush", "XSync", "XCloseDisplay"):
            getattr(self.x11, name).argtypes = [ctypes.c_void_p] + ([ctypes.c_int] if name == "XSync" else [])
        self.x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(x.display.encode())
        assert self.display, f"cannot open display {x.display}"
        self.x11.XSelectInput(self.display, self.x11.XDefaultRootWindow(self.display), self.SUBSTRUCTURE_NOTIFY)
        self.x11.XSync(self.display, 0)

    def close(self):
        self.x11.XCloseDisplay(self.display)

    def next_map(self, timeout=DEFAULT_TIMEOUT):
        """The next top-level window to map (not a menu or tooltip)."""
        event = (ctypes.c_long * 24)()
        deadline = time.monotonic() + timeout
        while True:
            while self.x11.XPending(self.display):
                self.x11.XNextEvent(self.display, event)
                # XMapEvent: type, serial, send_event, display, event, window, override_redirect
                if ctypes.c_int.from_buffer(event).value == self.MAP_NOTIFY and not event[6] & 0xFFFFFFFF:
                    return event[5]
            left = deadline - time.monotonic()
            assert left > 0, "no window mapped in time"
            select.select([self.x11.XConnectionNumber(self.display)], [], [], left)

    def geometry(self, window):
        """The window's x, y, width and height."""
        values = [ctypes.c_int(), ctypes.c_int(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(),
                  ctypes.c_uint()]
        root = ctypes.c_ulong()
        self.x11.XGetGeometry(self.display, window, ctypes.byref(root), *(ctypes.byref(v) for v in values))
        return tuple(v.value for v in values[:4])

    def click_and_keys(self, at, keys):
        """Clicks at a place on the screen, then presses and releases keys."""
        self.xtst.XTestFakeMotionEvent(self.display, -1, at[0], at[1], 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        for key in keys:
            code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(key.encode()))
            self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
            self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XFlush(self.display)


def type_ahead(x, launch, start):
    feeder = InputAsWindowMaps(x)
    app = None
    try:
        app = launch(name=f"copy {start}")
        left, top, _, height = feeder.geometry(feeder.next_map())
        menu = height - CLIENT_HEIGHT
        assert 0 < menu < 80, f"unexpected window height {height}"
        feeder.click_and_keys((left + USER_DAY_LIST[0], top + menu + USER_DAY_LIST[1]),
                              ["Down"] * 30 + ["Return", "Tab", "Down", "Down", "Down"])
        log(f"start {start}: clicked the day list and sent Down keys as the window mapped")

        # Back to the user's name, then on to the partner's.
        window = x.wait_for_main_window(app)
        time.sleep(0.5)
        x.press_key(window, "shift+Tab")
        x.press_key(window, "shift+Tab")
        x.type_text(window, "Ann")
        for _ in range(4):
            x.press_key(window, "Tab")
        x.type_text(window, "Bob")
        x.press_key(window, "alt+g")
        try:
            box = wait_until("a date message: the lists missed the input sent as the window mapped",
                             lambda: x.find_windows(MESSAGE_TITLE, pid=app.pid), timeout=5)[0]
        except AssertionError:
            x.screenshot(f"type-ahead-{start}.png")
            raise
        log(f"start {start}: 31 April refused ({box})")
    finally:
        if app is not None:
            app.terminate()
        feeder.close()


def test_type_ahead(xserver, launch):
    for start in range(1, TYPE_AHEAD_STARTS + 1):
        type_ahead(xserver, launch, start)
