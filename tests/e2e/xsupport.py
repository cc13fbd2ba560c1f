"""What the end-to-end tests drive the program with: a private X server,
the program's processes, its windows found by title, keys and pixels.
conftest.py hands these to the tests as fixtures; the start-up benchmark
uses the X server and the runtime folder too. Failures are AssertionErrors.
"""

import collections
import contextlib
import os
import select
import shutil
import subprocess
import tempfile
import time

DEFAULT_TIMEOUT = 20.0

# Window titles as xdotool patterns: the program's windows, and its message
# boxes, which carry the application title.
MAIN_TITLE = "^Kivo Love Numerology v1.0$"
MESSAGE_TITLE = "^Kivo Love Numerology$"


# Where the result page's steps tip is called up and shows, in the main
# window's client area below the menu bar: a point on the Life Path heading,
# and the result frame (left, top, width, height) below the tab strip.
STEPS_HEADING = (150, 88)
RESULT_FRAME = (18, 70, 600, 258)


def log(message):
    print(f"[e2e] {message}", flush=True)


def wait_until(what, probe, timeout=DEFAULT_TIMEOUT, interval=0.1, retry_on=(), detail=None):
    """Polls probe() until it returns something true and returns that; fails
    the test after the timeout. Errors of the types in retry_on count as "not
    yet"; detail(), when given, tells the failure what was seen last."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except retry_on as error:
            last_error = error
        if time.monotonic() > deadline:
            seen = f" ({detail()})" if detail else ""
            seen += f" (last error: {last_error})" if last_error else ""
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}{seen}")
        time.sleep(interval)


def read_line(fd, what, timeout=DEFAULT_TIMEOUT):
    """The first line a helper writes to the pipe fd (its display number, its
    address), without the line break; fails the test when none comes."""
    line = b""
    deadline = time.monotonic() + timeout
    while not line.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(deadline - time.monotonic(), 0))
        assert ready, f"{what} did not report in time"
        chunk = os.read(fd, 256)
        assert chunk, f"{what} ended before it was ready"
        line += chunk
    return line.decode().strip()


def stop_process(process):
    """Ends a child politely, and for good when it does not listen."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def contrast(a, b):
    """The contrast ratio of two (r, g, b) colours, as WCAG reckons it."""
    def luminance(rgb):
        linear = [c / 3294.6 if c <= 10.31 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def steps_tip_contrast(shoot, hover):
    """Rests the pointer on the Life Path heading and finds the steps tip on
    the screen, as what changed in the result frame. shoot(left, top, width,
    height) gives the screen's pixels of a client-area rectangle, hover(x, y)
    moves the pointer there. Returns the contrast of the tip's text (its
    pixel farthest from the background) against its background (its most
    common colour), three pixels inside its edges, and the tip's place."""
    left, top, width, height = RESULT_FRAME
    before = shoot(left, top, width, height)
    hover(*STEPS_HEADING)
    shots = [before]

    def settled():  # changed, and the same in two shots running
        shots[:] = [shots[-1], shoot(left, top, width, height)]
        return shots[1] != before and shots[1] == shots[0]
    wait_until("the steps tip", settled, interval=0.3)
    changed = [(i % width, i // width, rgb) for i, rgb in enumerate(shots[1]) if rgb != before[i]]
    x0, x1 = min(x for x, _, _ in changed), max(x for x, _, _ in changed)
    y0, y1 = min(y for _, y, _ in changed), max(y for _, y, _ in changed)
    place = (left + x0, top + y0, x1 - x0 + 1, y1 - y0 + 1)
    inside = collections.Counter(rgb for x, y, rgb in changed if x0 + 3 <= x <= x1 - 3 and y0 + 3 <= y <= y1 - 3)
    assert sum(inside.values()) > 200, f"the steps tip at {place} is too small"
    background = inside.most_common(1)[0][0]
    return max(contrast(rgb, background) for rgb in inside), place


@contextlib.contextmanager
def private_runtime_dir():
    """A runtime folder of our own, which also holds the program's
    single-instance guard (KIVO_TEST_INSTANCE_FOLDER, heard only by the
    tests' copy of the program, kivo_program_under_test), so it never meets
    that of a copy the user is running."""
    path = tempfile.mkdtemp(prefix="kivo-e2e-runtime-")
    os.chmod(path, 0o700)
    try:
        yield path
    finally:
        shutil.rmtree(path, ignore_errors=True)


class XServer:
    """An Xvfb on the first free display number, which Xvfb picks itself
    (-displayfd), so parallel tests never collide."""

    def __init__(self, width=1024, height=768, timeout=DEFAULT_TIMEOUT):
        self.size = (width, height)
        self.timeout = timeout
        self.process = None
        self.display = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        read_end, write_end = os.pipe()
        width, height = self.size
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        os.close(write_end)
        try:
            self.display = ":" + read_line(read_end, "Xvfb", self.timeout)
        except AssertionError as failure:
            if self.process.poll() is None:
                raise
            err = self.process.stderr.read().decode(errors="replace").strip()
            raise AssertionError(f"{failure}: {err}") from None
        finally:
            os.close(read_end)
        log(f"Xvfb running on display {self.display}")

    def stop(self):
        stop_process(self.process)
        self.process = None

    def env(self, **extra):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env.pop("WAYLAND_DISPLAY", None)
        env.update(extra)
        return env

    def xdotool(self, *args, timeout=None):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True,
                              timeout=timeout or self.timeout)

    def find_windows(self, title_regex, pid=None):
        """Ids of the mapped windows whose title matches, now, without waiting."""
        # --all: every condition must hold; xdotool's default is any of them.
        args = ["search", "--all", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", str(pid)]
        args += ["--name", title_regex]
        result = self.xdotool(*args)
        return [line for line in result.stdout.split() if line]

    def wait_for_window(self, title_regex, pid=None, timeout=None):
        """Waits until a mapped window with a matching title exists and returns
        its id; fails the test after the timeout."""
        timeout = timeout or self.timeout
        args = ["search", "--sync", "--all", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", str(pid)]
        args += ["--name", title_regex]
        try:
            result = self.xdotool(*args, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"no window titled /{title_regex}/ appeared within {timeout:.0f} s") from None
        ids = [line for line in result.stdout.split() if line]
        assert ids, f"xdotool found no window titled /{title_regex}/: {result.stderr.strip()}"
        return ids[0]

    def wait_for_main_window(self, app):
        """The program's main window, once it is up with no message box
        beside it."""
        window = self.wait_for_window(MAIN_TITLE, pid=app.pid)
        assert not self.find_windows(MESSAGE_TITLE, pid=app.pid), f"{app.name} shows a message box"
        log(f"{app.name} shows its main window {window}")
        return window

    def window_geometry(self, window):
        """The window's X, Y, WIDTH and HEIGHT (and SCREEN) as xdotool gives them."""
        out = self.xdotool("getwindowgeometry", "--shell", window).stdout
        return dict(line.split("=", 1) for line in out.split() if "=" in line)

    def press_key(self, window, key):
        """Types a key into the window: focus it, then send the key through
        XTEST as a real keyboard would."""
        self.xdotool("windowfocus", "--sync", window)
        result = self.xdotool("key", "--clearmodifiers", key)
        assert result.returncode == 0, f"xdotool key {key} failed: {result.stderr.strip()}"

    def type_text(self, window, text):
        """Types text into the window's focused control, key by key."""
        self.xdotool("windowfocus", "--sync", window)
        result = self.xdotool("type", "--delay", "15", "--clearmodifiers", text)
        assert result.returncode == 0, f"xdotool type failed: {result.stderr.strip()}"

    def screenshot(self, name):
        """Saves the whole screen as name in the folder $KIVO_E2E_SCREENSHOTS,
        when that is set and ImageMagick's import is there."""
        folder = os.environ.get("KIVO_E2E_SCREENSHOTS")
        if not folder or shutil.which("import") is None:
            return False
        path = os.path.join(folder, name)
        subprocess.run(["import", "-window", "root", path], env=self.env(), capture_output=True, timeout=30)
        return os.path.exists(path)

    def screen_pixels(self, x, y, width, height):
        """The screen's pixels in a rectangle, row by row: a list of (r, g, b)."""
        result = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
                                 "rgb:-"], env=self.env(), capture_output=True, timeout=30)
        assert result.returncode == 0, f"import failed: {result.stderr.decode(errors='replace')}"
        data = result.stdout
        return [tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)]

    def exit_by_menu(self, window):
        """File > Exit, by the keyboard."""
        self.press_key(window, "alt+f")
        time.sleep(0.3)
        self.press_key(window, "x")

    def wait_for_promotion(self, app, main_window, timeout=None):
        """Waits until the main window is gone and one other window with the
        same title is up, and returns it: the promotion window that replaces
        the main window when it closes."""
        def replaced():
            assert app.running(), f"the program ended when the main window closed: {app.output()}"
            windows = self.find_windows(MAIN_TITLE, pid=app.pid)
            others = [w for w in windows if w != main_window]
            if main_window in windows or not others:
                return None
            assert len(others) == 1, f"more than one window after the main window closed: {others}"
            return others[0]
        return wait_until("the promotion window to replace the main window", replaced, timeout or self.timeout)


class Process:
    """A started program whose output (stdout and stderr, and those of anything
    it starts) is kept in a file, readable at any time. As a context, it is
    ended when the block is left."""

    def __init__(self, command, env, name):
        self.name = name
        self.output_file = tempfile.TemporaryFile()
        self.process = subprocess.Popen(command, env=env, stdout=self.output_file, stderr=subprocess.STDOUT)
        log(f"started {name}, pid {self.process.pid}")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.terminate()
        return False

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{self.name} did not exit within {timeout:.0f} s") from None

    def expect_clean_exit(self):
        """Waits for the program to end and fails unless its status is 0."""
        status = self.wait_for_exit()
        assert status == 0, f"{self.name} exited with status {status}: {self.output()}"
        log(f"{self.name} exited with status 0")

    def output(self):
        self.output_file.seek(0)
        return self.output_file.read().decode(errors="replace")

    def kill(self):
        """Ends it at once, as a crash or the task manager would."""
        self.process.kill()
        self.process.wait()

    def terminate(self):
        stop_process(self.process)


class Program(Process):
    """One copy of the program under test, on the given X server."""

    def __init__(self, executable, xserver, runtime_dir, name="the program", env=None, args=()):
        """env: extra variables for the program; a value of None unsets one.
        args: its command line after the program's name."""
        variables = xserver.env(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir,
                               KIVO_TEST_INSTANCE_FOLDER=runtime_dir)
        for key, value in (env or {}).items():
            if value is None:
                variables.pop(key, None)
            else:
                variables[key] = value
        super().__init__([executable, *args], variables, name)

