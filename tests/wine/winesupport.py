"""What the tests of the Windows program drive Wine with.

Every Windows program runs through the build's wine-run.sh, on the X display
the caller provides (DISPLAY; scripts/test-windows.sh starts one). The probe
(kivo_wine_probe.exe) looks at windows from the Windows side; xdotool clicks
and types from the X side. conftest.py hands these to the tests as fixtures.
Failures are AssertionErrors.
"""

import contextlib
import hashlib
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from xsupport import Process, log, steps_tip_contrast, wait_until  # noqa: E402,F401

MAIN_TITLE = "Kivo Love Numerology v1.0"
MESSAGE_TITLE = "Kivo Love Numerology"
MAIN_CLIENT = "640x470"
PROMOTION_CLIENT = "741x315"


class Wine:
    """The build's Wine runner and probe, on the caller's display."""

    def __init__(self, runner, probe):
        self.runner = runner
        self.probe_exe = probe

    def probe(self, *args, wait=True):
        """Runs the probe; returns (exit status, output lines)."""
        command = [self.runner, self.probe_exe] + ([] if wait else ["-n"]) + list(args)
        result = subprocess.run(command, capture_output=True, text=True, timeout=60)
        return result.returncode, [line.rstrip("\r") for line in result.stdout.splitlines()]

    def windows(self, caption, wait=True):
        """The visible windows so captioned: a dict per window."""
        _, lines = self.probe("windows", caption, wait=wait)
        return [dict(field.split("=", 1) for field in line.split()) for line in lines if line.startswith("pid=")]

    def message_box(self, caption, wait=True):
        """The system message box so captioned, as a dict, or None; a text of
        several lines keeps them."""
        status, lines = self.probe("box", caption, wait=wait)
        if status != 0:
            return None
        box, key = {}, None
        for line in lines:
            name, _, value = line.partition("=")
            if name in ("boxes", "text", "icon", "buttons"):
                key, box[name] = name, value
            elif key:
                box[key] += "\n" + line
        return box

    def wait_for_window(self, caption, client, timeout=30):
        def found():
            windows = [w for w in self.windows(caption) if w["client"] == client]
            assert len(windows) <= 1, f"more than one window {caption!r} of {client}: {windows}"
            return windows[0] if windows else None
        return wait_until(f"a window {caption!r} with a {client} client area", found, timeout, interval=0.2)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30)
        assert result.returncode == 0, f"xdotool {' '.join(args)} failed: {result.stderr.strip()}"
        return result.stdout

    def move_mouse(self, x, y):
        """Moves the pointer to (x, y) of the screen; --sync would wait for a
        move that never comes when it is there already (the next page's
        button in the place of the last one's)."""
        if self.xdotool("getmouselocation", "--shell").splitlines()[:2] != [f"X={x}", f"Y={y}"]:
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def click(self, window, x, y):
        """Clicks at (x, y) of a window's client area, as a mouse does."""
        left, top = (int(v) for v in window["origin"].split(","))
        self.move_mouse(left + x, top + y)
        self.xdotool("click", "1")

    def screen_pixels(self, x, y, width, height):
        """The screen's pixels in a rectangle: a list of (r, g, b)."""
        result = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                                 "-depth", "8", "rgb:-"], capture_output=True, timeout=30)
        assert result.returncode == 0, f"import failed: {result.stderr.decode(errors='replace')}"
        data = result.stdout
        return [tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)]


NAME = "Kivo Love Numerology"
UNINSTALL_TITLE = f"{NAME} Uninstall"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kivo Love Numerology"
VENDOR_KEY = r"HKLM\Software\Arvella Softwares"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
# The installer's exit codes of its own (packaging/windows/installer.nsi).
NEWER_INSTALLED, RUNNING, CANNOT_REPLACE, FOLDER_TOO_LONG, FOLDER_TAKEN, SETUP_RUNNING = 3, 4, 5, 6, 7, 8


def setup_title(version):
    """The installer window's title, and its message boxes' caption."""
    return f"{NAME} {version} Setup"


def files_under(folder):
    return {os.path.relpath(os.path.join(root, f), folder).replace(os.sep, "/")
            for root, _, names in os.walk(folder) for f in names}


class Machine:
    """The Wine prefix as an installer sees it: Program Files, the Start menu,
    the desktop and the registry."""

    def __init__(self, wine, prefix):
        self.wine = wine
        self.prefix = prefix
        self.folder = os.path.join(prefix, "drive_c", "Program Files", NAME)
        self.program = os.path.join(self.folder, "kivo-love-numerology.exe")

    def registry(self, key):
        """The values of a key and its subkeys, {name: (type, data)} per key,
        or None without the key."""
        result = subprocess.run([self.wine.runner, "reg", "query", key, "/s"], capture_output=True, text=True,
                                timeout=60)
        if result.returncode != 0:
            return None
        keys, current = {}, None
        for line in result.stdout.splitlines():
            line = line.rstrip("\r")
            match = re.match(r"\s+(.+?)\s+(REG_\w+)\s+(.*)", line)
            if line.startswith("HKEY_"):
                current = keys.setdefault(line, {})
            elif match and current is not None:
                current[match.group(1)] = (match.group(2), match.group(3))
        return keys

    def shortcuts(self):
        """Every shortcut of ours, Start menu and desktop, all users or ours,
        and every Start-menu folder of ours."""
        return sorted(os.path.join(root, n) for root, folders, names in os.walk(os.path.join(self.prefix, "drive_c"))
                      for n in names + folders if n == f"{NAME}.lnk" or (n == NAME and "Start Menu" in root))

    @staticmethod
    def hashes(folder):
        """{file: SHA-256} of a folder's files."""
        files = {}
        for name in files_under(folder) if os.path.isdir(folder) else ():
            with open(os.path.join(folder, name), "rb") as data:
                files[name] = hashlib.sha256(data.read()).hexdigest()
        return files

    def state(self):
        """Everything an installer of ours changes, to compare before and after."""
        return {"files": self.hashes(self.folder), "shortcuts": self.shortcuts(), "uninstall": self.registry(UNINSTALL_KEY),
                "vendor": self.registry(VENDOR_KEY)}

    def run(self, command_line, timeout=180):
        """Runs a Windows command line as Windows does (an installer, an
        uninstall string); returns its exit status."""
        result = subprocess.run([self.wine.runner, self.wine.probe_exe, "run", command_line], capture_output=True,
                                text=True, timeout=timeout)
        return result.returncode

    def install(self, installer, *args):
        """Runs an installer; an installer's /D=, unquoted, comes last."""
        return self.run(" ".join([f'"Z:{installer}"'.replace("/", "\\"), *args]))

    def start(self, program, *args):
        """Starts a program (an installer, by hand), given by its Linux or
        Windows path; the process is the program's and ends with its status.
        No argument may hold a space: Wine would quote it, and /D= must not be."""
        return subprocess.Popen([self.wine.runner, program, *args], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def wait_for_uninstaller(self):
        """Waits until no uninstaller runs here: one started without _?= runs
        as a copy in the temporary folder (~nsuN.tmp) after its starter ends,
        and keeps other installers out until it ends too."""
        prefix = f"WINEPREFIX={self.prefix}".encode() + b"\0"

        def running():
            for pid in filter(str.isdigit, os.listdir("/proc")):
                try:
                    with open(f"/proc/{pid}/cmdline", "rb") as cmdline, open(f"/proc/{pid}/environ", "rb") as env:
                        if re.search(rb"\\~nsu\w*\.tmp\\", cmdline.read()) and prefix in env.read():
                            return True
                except OSError:
                    pass
            return False

        wait_until("the uninstaller to end", lambda: not running(), timeout=60, interval=0.2)

    def windows_path(self, path):
        """The Windows path (C:\\...) of a path inside the prefix's drive C."""
        return "C:\\" + os.path.relpath(path, os.path.join(self.prefix, "drive_c")).replace("/", "\\")

    def uninstall(self, quiet=True):
        """Runs the registered (quiet) uninstall string; returns its status."""
        values = self.registry(UNINSTALL_KEY)[UNINSTALL_KEY.replace("HKLM", "HKEY_LOCAL_MACHINE")]
        return self.run(values["QuietUninstallString" if quiet else "UninstallString"][1])

    def reg(self, *args):
        return subprocess.run([self.wine.runner, "reg", *args], capture_output=True, timeout=60).returncode

    @contextlib.contextmanager
    def scaling(self, dpi):
        """Windows programs started meanwhile see a display of dpi (96 is 100 %)."""
        self.reg("add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        try:
            yield
        finally:
            self.reg("delete", DESKTOP_KEY, "/v", "LogPixels", "/f")

    def clean(self):
        """Nothing of ours, as on a new machine (after an earlier run that failed)."""
        for key in (UNINSTALL_KEY, VENDOR_KEY):
            self.reg("delete", key, "/f")
        self.reg("delete", DESKTOP_KEY, "/v", "LogPixels", "/f")
        shutil.rmtree(self.folder, ignore_errors=True)
        for shortcut in reversed(self.shortcuts()):
            (shutil.rmtree if os.path.isdir(shortcut) else os.remove)(shortcut)

    def click_button(self, label, title):
        """Clicks, with the mouse, a button of the installer's window."""
        _, lines = self.wine.probe("controls", title)
        for line in lines:
            kind, place, text = (line.split("\t") + ["", ""])[:3]
            if kind == "Button" and text == label:
                x, y, width, height = (int(v) for v in place.split(","))
                self.wine.move_mouse(x + width // 2, y + height // 2)
                self.wine.xdotool("click", "1")
                return
        raise AssertionError(f"no button {label!r} in the window {title!r}: {lines}")

    def page_texts(self, title):
        _, lines = self.wine.probe("controls", title)
        return [line.split("\t")[2].replace("\\n", "\n") for line in lines if line.count("\t") == 2]


class Program(Process):
    """One copy of a Windows program under Wine."""

    def __init__(self, wine, executable, name="program", own_dlls_only=True, env=None, args=()):
        full_env = dict(os.environ)
        if own_dlls_only:
            # As on a user's machine: only the DLLs next to the program.
            full_env["KIVO_WINE_OWN_DLLS_ONLY"] = "1"
        full_env.update(env or {})
        super().__init__([wine.runner, executable, *args], full_env, name)

    def wait_for_exit(self, timeout=30):
        return super().wait_for_exit(timeout)

