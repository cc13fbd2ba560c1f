"""Under Wine, an install that has been changed: files of ours marked
read-only (attrib +R) are replaced by the silent upgrade and removed by the
quiet uninstall, both with status 0; a file of ours that cannot be written
for another reason (a folder in its place) makes the silent upgrade end with
status 5, changing nothing, and the uninstaller by hand name the file and
why; a copy of the installed folder's uninstaller (C:\\Backup Kivo) removes
only its own folder's files, says so on its page, and leaves the installed
copy, its shortcuts and its registry entries as they were; the installed
uninstaller, given its folder spelled otherwise (case, short name, trailing
backslash), removes everything.
"""

import os
import re
import shutil
import subprocess

from winesupport import CANNOT_REPLACE, NAME, UNINSTALL_TITLE, Machine, log, wait_until

READ_ONLY = ("LICENSE.txt", "Qt6Core.dll", r"platforms\qwindows.dll")
BACKUP = r"C:\Backup Kivo"


def attrib(wine, flag, *paths):
    for path in paths:
        subprocess.run([wine.runner, "attrib", flag, path], capture_output=True, timeout=60, check=True)


def read_only_files(wine, machine, installer, next_installer):
    assert machine.install(installer, "/S") == 0, "installing 1.0.0 failed"
    folder = machine.windows_path(machine.folder)
    attrib(wine, "+R", *(f"{folder}\\{f}" for f in READ_ONLY))
    status = machine.install(next_installer, "/S")
    assert status == 0, f"the silent upgrade over read-only files ended with status {status}"
    shipped = Machine.hashes(os.path.splitext(next_installer)[0])
    upgraded = machine.state()
    assert all(upgraded["files"][f.replace("\\", "/")] == shipped[f.replace("\\", "/")] for f in READ_ONLY), \
        "the upgrade left read-only files as they were"
    attrib(wine, "+R", *(f"{folder}\\{f}" for f in READ_ONLY))
    status = machine.uninstall()
    assert status == 0, f"the quiet uninstall of read-only files ended with status {status}"
    wait_until("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)
    log("read-only files of ours were replaced by the upgrade and removed by the uninstall, both with status 0")


def file_that_cannot_be_replaced(wine, machine, installer, next_installer):
    assert machine.install(installer, "/S") == 0, "installing 1.0.0 failed"
    licence = os.path.join(machine.folder, "LICENSE.txt")
    os.remove(licence)
    os.makedirs(os.path.join(licence, "inside"))
    before = machine.state()
    status = machine.install(next_installer, "/S")
    assert status == CANNOT_REPLACE and machine.state() == before, \
        f"the silent upgrade over a folder in a file's place ended with status {status}"
    uninstaller = machine.start(machine.windows_path(os.path.join(machine.folder, "Uninstall.exe")))
    try:
        box = wine.message_box(UNINSTALL_TITLE)
        assert box is not None and re.search(r"\\LICENSE\.txt cannot be removed: \w", box["text"]), \
            f"the uninstaller said {box}"
        assert wine.probe("press", UNINSTALL_TITLE, "Cancel")[0] == 0, "could not press Cancel"
        uninstaller.wait(timeout=60)
        machine.wait_for_uninstaller()
    finally:
        if uninstaller.poll() is None:
            uninstaller.kill()
    assert machine.state() == before, "the uninstaller changed the install"
    shutil.rmtree(licence)
    log(f"a file that cannot be written: the upgrade ended with status {status}; the uninstaller said "
        f"{box['text']!r}")


def copied_uninstaller(wine, machine, installer):
    assert machine.install(installer, "/S") == 0, "installing 1.0.0 failed"
    installed = machine.state()
    backup = os.path.join(machine.prefix, "drive_c", "Backup Kivo")
    shutil.rmtree(backup, ignore_errors=True)  # left by an earlier run
    shutil.copytree(machine.folder, backup)
    # By hand: its page says what it removes; Cancel.
    uninstaller = machine.start(f"{BACKUP}\\Uninstall.exe")
    try:
        wait_until("the uninstaller's page", lambda: any(
            t.startswith("This uninstaller is not in the folder where Kivo Love Numerology is installed.")
            for t in machine.page_texts(UNINSTALL_TITLE)), timeout=60, interval=0.5)
        machine.click_button("Cancel", UNINSTALL_TITLE)
        assert wine.probe("press", UNINSTALL_TITLE, "&Yes")[0] == 0, "no question whether to quit"
        uninstaller.wait(timeout=60)
        machine.wait_for_uninstaller()
    finally:
        if uninstaller.poll() is None:
            uninstaller.kill()
    status = machine.run(f'"{BACKUP}\\Uninstall.exe" /S _?={BACKUP}')
    assert status == 0, f"the copied uninstaller ended with status {status}"
    wait_until("removing the backup", lambda: not os.path.exists(backup), timeout=60, interval=0.5)
    assert machine.state() == installed, "the copied uninstaller changed the installed copy"
    log("a copied uninstaller removed only its own folder and said so; the installed copy stayed as it was")

    # The installed one, its folder spelled otherwise, is the installed one.
    listing = subprocess.run([wine.runner, "cmd", "/c", "dir", "/x", "C:\\"], capture_output=True, text=True,
                             timeout=60).stdout
    short = re.search(r"(\S+)\s+Program Files\s*$", listing, re.MULTILINE).group(1)
    spelled = f"c:\\{short.lower()}\\{NAME.upper()}\\"
    status = machine.run(f'"{machine.windows_path(machine.folder)}\\Uninstall.exe" /S _?={spelled}')
    assert status == 0, f"the installed uninstaller, given {spelled}, ended with status {status}"
    wait_until("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)
    state = machine.state()
    assert not state["shortcuts"] and state["uninstall"] is None and state["vendor"] is None, \
        f"the installed uninstaller, given {spelled}, left {state}"
    log(f"the installed uninstaller, given its folder as {spelled}, removed everything")


def test_read_only_and_copy(wine, machine, installer, next_installer):
    read_only_files(wine, machine, installer, next_installer)
    file_that_cannot_be_replaced(wine, machine, installer, next_installer)
    assert machine.uninstall() == 0, "uninstalling failed"
    copied_uninstaller(wine, machine, installer)

