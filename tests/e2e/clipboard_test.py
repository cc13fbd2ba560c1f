"""End to end: the program leaves the X selections alone.

On a private X server, one xclip process owns CLIPBOARD ("kivo-clipboard-
sentinel") and another owns PRIMARY. The real program is started, both names
are typed, the reading is asked for with Alt+G; the pointer rests on the Life
Path heading, whose steps tip must read at 4.5 : 1 or more on the screen; and
the report tab is clicked.
Then clicks, double and triple clicks, drags, mouse moves and key presses
(Ctrl+A, Ctrl+C, Ctrl+Insert, Ctrl+X, Shift+arrows, ...) go over the report
box and the rest of the window. After every round both xclip owners must
still be running (xclip ends the moment another client takes its
selection) and both selections must still read back their text. At the end the program is
left by File > Exit and the promotion window's Exit, and must end with status
0: in the sanitizer build, that also means LeakSanitizer found no leak in a
run with a reading.

The program's window is laid out at fixed places, so the report box and the
tab strip are found from the window's size: the menu bar is what the window
has above the 640 x 452 client area. The link labels and the Back button are
left out: they open a browser or leave the result page, which is not what
this test is about.
"""

import subprocess
import time

import pytest

from xsupport import MESSAGE_TITLE, log, steps_tip_contrast, stop_process, wait_until

pytestmark = pytest.mark.tools("Xvfb", "xdotool", "xclip", "import")
CLIENT_HEIGHT = 452
CLIPBOARD_TEXT = "kivo-clipboard-sentinel"
PRIMARY_TEXT = "kivo-primary-sentinel"

# Places in the client area (below the menu bar). The report box covers
# x 24..612 and y from below the tab strip (at most 84) to 322; the tab strip
# starts at y 38 and has three tabs of 200 pixels from x 18.
REPORT_INSIDE = (40, 100, 596, 310)  # left, top, right, bottom
FIRST_TAB = (118, 48)
REPORT_TAB = (518, 48)
PAGE_MARGIN = (12, 200)  # light grey page, left of the result frames
RESULT_FRAME_EDGE = (20, 300)  # grey result frame, left of the report box
RESULT_GREY = (96, 100, 108)


class SelectionOwner:
    """An xclip that owns one selection in the foreground; it ends as soon as
    another client takes the selection over."""

    def __init__(self, x, selection, text):
        self.x = x
        self.selection = selection
        self.text = text
        self.process = subprocess.Popen(["xclip", "-selection", selection, "-quiet"], env=x.env(),
                                        stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.process.stdin.write(text.encode())
        self.process.stdin.close()
        wait_until(f"xclip to own {selection}", lambda: self.read() == text, interval=0.05)
        log(f"xclip (pid {self.process.pid}) owns {selection}: {text!r}")

    def read(self):
        result = subprocess.run(["xclip", "-o", "-selection", self.selection], env=self.x.env(),
                                capture_output=True, timeout=10)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else None

    def check_kept(self, after):
        assert self.process.poll() is None, f"the {self.selection} selection was taken over after {after}"
        text = self.read()
        assert text == self.text, f"{self.selection} reads {text!r} after {after}, not {self.text!r}"

    def stop(self):
        stop_process(self.process)


class Window:
    """The main window's place on the screen and the means to act on it."""

    def __init__(self, x, window):
        self.x = x
        self.id = window
        geometry = x.window_geometry(window)
        self.left = int(geometry["X"])
        self.top = int(geometry["Y"])
        self.menu = int(geometry["HEIGHT"]) - CLIENT_HEIGHT
        assert 0 < self.menu < 80, f"unexpected window height {geometry['HEIGHT']}"

    def at(self, place):
        px, py = place
        return str(self.left + px), str(self.top + self.menu + py)

    def run(self, *args):
        result = self.x.xdotool(*args)
        assert result.returncode == 0, f"xdotool {' '.join(args)} failed: {result.stderr.strip()}"

    def move(self, place):
        self.run("mousemove", "--sync", *self.at(place))

    def click(self, place, button=1, repeat=1):
        self.move(place)
        self.run("click", "--repeat", str(repeat), "--delay", "60", str(button))

    def drag(self, start, end, steps=12):
        self.move(start)
        self.run("mousedown", "1")
        for k in range(1, steps + 1):
            self.move((start[0] + (end[0] - start[0]) * k // steps, start[1] + (end[1] - start[1]) * k // steps))
        self.run("mouseup", "1")

    def keys(self, *names):
        for name in names:
            self.run("key", "--clearmodifiers", name)

    def capture(self):
        """The window's pixels as (width, RGB bytes)."""
        shot = subprocess.run(["import", "-window", self.id, "-depth", "8", "ppm:-"], env=self.x.env(),
                              capture_output=True, timeout=30)
        assert shot.returncode == 0, f"import failed: {shot.stderr.decode(errors='replace')}"
        data = shot.stdout
        fields, at = [], 0
        while len(fields) < 4:  # P6 width height maxval, separated by white space
            while data[at:at + 1].isspace():
                at += 1
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[at:end])
            at = end
        assert fields[0] == b"P6" and fields[3] == b"255", f"unexpected picture header {fields}"
        return int(fields[1]), data[at + 1:]

    def pixel(self, place):
        width, pixels = self.capture()
        i = ((self.menu + place[1]) * width + place[0]) * 3
        return tuple(pixels[i:i + 3])

    def white_share(self, box):
        """Share of pure white pixels in a client-area box: the report box is
        white, the entry page in that place is mostly grey."""
        width, pixels = self.capture()
        left, top, right, bottom = box
        white = total = 0
        for y in range(self.menu + top, self.menu + bottom, 4):
            for x in range(left, right, 4):
                i = (y * width + x) * 3
                total += 1
                white += pixels[i:i + 3] == b"\xff\xff\xff"
        return white / total


def wait_for_look(window, what, measure, good, screenshot):
    """Measures the window until good(measure()) holds and returns the
    measure; on a timeout saves the screen and fails with the last one."""
    seen = []

    def looks_right():
        seen.append(measure())
        return good(seen[-1])

    try:
        wait_until(what, looks_right, interval=0.2, detail=lambda: f"last seen {seen[-1]}")
    except AssertionError:
        window.x.screenshot(screenshot)
        raise
    return seen[-1]


def wait_for_result_page(window):
    """The result frames' grey shows where the entry page has its light grey."""
    wait_for_look(window, f"the result page's grey at {RESULT_FRAME_EDGE}", lambda: window.pixel(RESULT_FRAME_EDGE),
                  lambda colour: colour == RESULT_GREY, "clipboard-no-result.png")


def wait_for_report(window):
    """The report box is in front: most of its place is white. Returns the
    white share."""
    return wait_for_look(window, "the report box in front", lambda: window.white_share(REPORT_INSIDE),
                         lambda share: share > 0.6, "clipboard-no-report.png")


@pytest.fixture
def selections(xserver):
    """xclip owning CLIPBOARD and PRIMARY, for as long as the test."""
    owners = [SelectionOwner(xserver, "clipboard", CLIPBOARD_TEXT)]
    try:
        owners.append(SelectionOwner(xserver, "primary", PRIMARY_TEXT))
        yield owners
    finally:
        for owner in owners:
            owner.stop()


def test_selections_kept(xserver, launch, selections):
    x = xserver
    app = launch()
    main_window = x.wait_for_main_window(app)
    w = Window(x, main_window)
    x.xdotool("windowfocus", "--sync", main_window)
    log(f"main window {main_window} at {w.left},{w.top}, menu bar {w.menu} px")
    entry_share = w.white_share(REPORT_INSIDE)

    # The user's name field has the focus; four Tabs lead past the
    # user's date lists to the partner's name.
    w.run("type", "--delay", "40", "Ann")
    w.keys("Tab", "Tab", "Tab", "Tab")
    w.run("type", "--delay", "40", "Catherine")
    w.keys("alt+g")
    wait_for_result_page(w)
    assert not x.find_windows(MESSAGE_TITLE, pid=app.pid), "the entries were refused"
    ratio, tip = steps_tip_contrast(
        lambda left, top, width, height: x.screen_pixels(w.left + left, w.top + w.menu + top, width, height),
        lambda px, py: w.move((px, py)))
    x.screenshot("steps-tip.png")
    assert ratio >= 4.5, f"the steps tip at {tip} reads at {ratio:.2f} : 1"
    log(f"the steps tip at {tip} reads at {ratio:.1f} : 1")
    w.click(REPORT_TAB)
    share = wait_for_report(w)
    assert entry_share < 0.5, f"the entry page looks like the report ({entry_share:.2f} white)"
    log(f"report shown ({share:.2f} of its box white, entry page {entry_share:.2f})")
    for owner in selections:
        owner.check_kept("typing the names and asking for the reading")

    left, top, right, bottom = REPORT_INSIDE
    rounds = [
        ("drags over the report box", lambda: (
            w.drag((left, top), (right, bottom)),
            w.drag((right, top + 20), (left, top + 20)),
            w.drag((left + 10, bottom - 10), (right - 10, top + 10)))),
        ("double and triple clicks in the report box", lambda: (
            w.click((300, 150), repeat=2),
            w.click((200, 200), repeat=3))),
        ("middle and right clicks in the report box", lambda: (
            w.click((300, 180), button=2),
            w.click((300, 180), button=3),
            w.keys("Escape"))),
        ("keys in the report box", lambda: (
            w.click((300, 150)),
            w.keys("ctrl+a", "ctrl+c", "ctrl+Insert", "ctrl+x", "shift+Delete",
                   "shift+Down", "shift+Down", "shift+End", "ctrl+shift+End", "ctrl+c",
                   "Page_Down", "Home", "ctrl+a", "ctrl+c"))),
        ("a select-all drag then Ctrl+C", lambda: (
            w.drag((left, top), (right, bottom)),
            w.keys("ctrl+c", "ctrl+Insert"))),
        ("mouse moves over the whole window", lambda: [
            w.move((px, py)) for py in range(40, 380, 30) for px in (12, 200, 400, 620)]),
        ("clicks, drags and keys on the rest of the window", lambda: (
            w.click(PAGE_MARGIN),
            w.keys("ctrl+a", "ctrl+c"),
            w.click(RESULT_FRAME_EDGE),
            w.drag(PAGE_MARGIN, (right, bottom)),
            w.click(FIRST_TAB),
            w.keys("ctrl+a", "ctrl+c", "ctrl+Insert"),
            w.drag((40, 150), (590, 250)),
            w.keys("ctrl+c"),
            w.click(REPORT_TAB))),
    ]
    for name, act in rounds:
        act()
        time.sleep(0.5)
        assert app.running(), f"the program ended during {name}: {app.output()}"
        assert not x.find_windows(MESSAGE_TITLE, pid=app.pid), f"a message box appeared during {name}"
        for owner in selections:
            owner.check_kept(name)
        log(f"both selections kept after {name}")

    wait_for_report(w)
    log("the report is still in front")

    # Out the ordinary way: File > Exit, then leave the promotion
    # window. In the sanitizer build a leak report would make the
    # exit status non-zero.
    x.exit_by_menu(main_window)
    promotion = x.wait_for_promotion(app, main_window)
    for owner in selections:
        owner.check_kept("closing the main window")
    x.press_key(promotion, "alt+x")
    app.expect_clean_exit()
    for owner in selections:
        owner.check_kept("the program's end")
    log("both selections kept to the end")
