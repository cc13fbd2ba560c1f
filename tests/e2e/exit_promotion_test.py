"""End to end: closing the main window brings up the exit promotion window,
and leaving that window ends the program with status 0.

Starts a private X server and the real program, closes the main window, sees
the 741 x 315 promotion window appear while the program keeps running, leaves
it, and checks that the process exits with status 0. The promotion window
asks to stay above other windows (_NET_WM_STATE_ABOVE), so the browser
windows its links open do not cover it.

    close-box   both windows are closed by their close box, i.e. the
                WM_DELETE_WINDOW message a window manager sends
    keyboard    the main window by File > Exit (Alt+F, X), the promotion
                window by its Exit button's access key (Alt+X)
"""

import ctypes
import ctypes.util
import subprocess
import time

import pytest

from xsupport import log

pytestmark = pytest.mark.tools("Xvfb", "xdotool", "xprop")

PROMOTION_SIZE = "741x315"


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def press_close_box(display, window):
    """Sends the window the WM_DELETE_WINDOW message, as a window manager does
    when its close box is clicked. (xdotool's windowclose destroys the window
    instead, which no user can do.) Xvfb runs no window manager, so we send it
    ourselves through Xlib."""
    name = ctypes.util.find_library("X11")
    assert name, "libX11 not found"
    x11 = ctypes.CDLL(name)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    dpy = x11.XOpenDisplay(display.encode())
    assert dpy, f"cannot open display {display}"
    try:
        event = _Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = int(window)
        event.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        assert x11.XSendEvent(dpy, int(window), 0, 0, ctypes.byref(event)) != 0, "XSendEvent failed"
        x11.XFlush(dpy)
    finally:
        x11.XCloseDisplay(dpy)


def window_states(x, window):
    result = subprocess.run(["xprop", "-id", str(window), "_NET_WM_STATE"], env=x.env(),
                            capture_output=True, text=True, timeout=x.timeout)
    return result.stdout


@pytest.mark.parametrize("via", ["close-box", "keyboard"])
def test_exit_promotion(xserver, launch, via):
    x = xserver
    app = launch()
    main_window = x.wait_for_main_window(app)
    if via == "close-box":
        press_close_box(x.display, main_window)
    else:
        x.exit_by_menu(main_window)

    promotion = x.wait_for_promotion(app, main_window)
    geometry = x.window_geometry(promotion)
    size = f"{geometry.get('WIDTH')}x{geometry.get('HEIGHT')}"
    assert size == PROMOTION_SIZE, f"the promotion window is {size}, not {PROMOTION_SIZE}"
    states = window_states(x, promotion)
    assert "_NET_WM_STATE_ABOVE" in states, f"the promotion window is not kept on top: {states}"
    log(f"promotion window {promotion} is up, {size}, kept on top")
    x.screenshot(f"exit-promotion-{via}.png")

    # The program does not end with the main window.
    time.sleep(0.5)
    assert app.running(), f"the program ended while the promotion window was open: {app.output()}"

    if via == "close-box":
        press_close_box(x.display, promotion)
    else:
        x.press_key(promotion, "alt+x")
    app.expect_clean_exit()
