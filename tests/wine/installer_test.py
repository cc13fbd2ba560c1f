#!/usr/bin/env python3
"""Under Wine: the NSIS installer installs silently (/S) into Program Files
the same files as the portable folder plus its uninstaller, with a Start-menu
entry and an entry in Add/Remove Programs; the installed program carries its
icon and version, starts with its window and loads exactly the DLLs of its
folder; it ends with status 0 when left; the silent uninstaller then leaves
nothing of ours: no program folder, no Start-menu entry, no Add/Remove
entry.

usage: installer_test.py <wine-run.sh> <probe> <installer> <portable folder> <wine-prefix>
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from wineharness import (MAIN_CLIENT, MAIN_TITLE, PROMOTION_CLIENT, Program, TestFailure, check,  # noqa: E402
                         log, run_wine_script)

NAME = "Kivo Love Numerology"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kivo Love Numerology"


def files_under(folder):
    return {os.path.relpath(os.path.join(root, f), folder).replace(os.sep, "/")
            for root, _, names in os.walk(folder) for f in names}


def start_menu_entries(prefix):
    """Every Start-menu shortcut of ours, for all users or this one."""
    found = []
    for root, _, names in os.walk(os.path.join(prefix, "drive_c")):
        if os.path.join("Start Menu", "Programs") in root:
            found += [os.path.join(root, n) for n in names if NAME in os.path.join(root, n)]
    return found


def registry(wine, key):
    """The values of a registry key, or None without it."""
    result = subprocess.run([wine.runner, "reg", "query", key], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        match = re.match(r"\s+(\S+)\s+REG_\w+\s+(.*)", line.rstrip("\r"))
        if match:
            values[match.group(1)] = match.group(2)
    return values


def wait_until(condition, what, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.5)
    raise TestFailure(f"{what} did not happen within {timeout} s")


def run(wine, installer, portable, prefix):
    folder = os.path.join(prefix, "drive_c", "Program Files", NAME)
    if os.path.exists(folder):
        # Left by an earlier run that failed half-way.
        shutil.rmtree(folder)
    subprocess.run([wine.runner, "reg", "delete", UNINSTALL_KEY, "/f"], capture_output=True, timeout=60)

    result = subprocess.run([wine.runner, installer, "/S"], capture_output=True, text=True, timeout=180)
    check(result.returncode == 0, f"the installer ended with status {result.returncode}: {result.stderr[-2000:]}")
    installed = files_under(folder)
    expected = files_under(portable) | {"Uninstall.exe"}
    check(installed == expected,
          f"installed {sorted(installed - expected)} too, left out {sorted(expected - installed)}")
    log(f"installed into Program Files: {sorted(installed)}")

    entries = start_menu_entries(prefix)
    check(any(e.endswith(f"{NAME}.lnk") for e in entries), f"no Start-menu entry {NAME}.lnk: {entries}")
    values = registry(wine, UNINSTALL_KEY)
    check(values is not None, "no entry in Add/Remove Programs")
    check(values.get("DisplayName") == NAME, f"Add/Remove Programs names it {values.get('DisplayName')!r}")
    check("Uninstall.exe" in values.get("UninstallString", ""), f"no uninstaller registered: {values}")
    check("kivo-love-numerology.exe" in values.get("DisplayIcon", ""), f"no icon registered: {values}")
    log(f"Start menu {[os.path.basename(e) for e in entries]}; Add/Remove Programs {values.get('DisplayName')!r}")

    program = os.path.join(folder, "kivo-love-numerology.exe")
    status, lines = wine.probe("file", "Z:" + program.replace("/", "\\"))
    details = dict(line.split("=", 1) for line in lines if "=" in line)
    check(status == 0 and details.get("version") == "1.0.0" and details.get("product") == NAME
          and details.get("icons") == "1", f"the installed program's resources: {lines}")

    # As the Start menu starts it: from its folder, with Wine's record of
    # every DLL it loads.
    app = Program(wine, program, name="installed program", env={"WINEDEBUG": "+loaddll"})
    try:
        wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        loaded = {m.lower() for m in re.findall(r'Loaded L"C:\\\\Program Files\\\\Kivo Love Numerology\\\\(.*?\.dll)"',
                                               app.output(), re.IGNORECASE)}
        own_dlls = {f.lower().replace("/", "\\\\") for f in installed if f.endswith(".dll")}
        check(loaded == own_dlls, f"loaded {sorted(loaded - own_dlls)} too, never {sorted(own_dlls - loaded)}")
        log(f"the installed program loads exactly the {len(loaded)} DLLs of its folder")
        check(wine.probe("close", MAIN_TITLE, MAIN_CLIENT)[0] == 0, "could not close the main window")
        wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
        check(wine.probe("close", MAIN_TITLE, PROMOTION_CLIENT)[0] == 0, "could not close the promotion window")
        code = app.wait_for_exit()
        check(code == 0, f"the installed program ended with status {code}")
    finally:
        app.terminate()

    # The uninstaller copies itself away and returns at once; the copy
    # removes the folder.
    result = subprocess.run([wine.runner, os.path.join(folder, "Uninstall.exe"), "/S"], capture_output=True,
                            text=True, timeout=180)
    check(result.returncode == 0, f"the uninstaller ended with status {result.returncode}")
    wait_until(lambda: not os.path.exists(folder), "removing the program folder")
    check(start_menu_entries(prefix) == [], f"Start-menu entries left: {start_menu_entries(prefix)}")
    check(registry(wine, UNINSTALL_KEY) is None, "the Add/Remove Programs entry is left")
    log("uninstalled: no program folder, Start-menu entry or Add/Remove entry left")


if __name__ == "__main__":
    sys.exit(run_wine_script(__doc__, run, extra_args=2))
