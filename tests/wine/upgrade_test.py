"""Under Wine, over an installed 1.0.0: the next version's installer (the
same files, made by the package check with a throwaway certificate) started
by hand on a German Windows speaks English only, names its version in its
title, Welcome page and branding, says it upgrades from 1.0.0 to 1.0.1,
shows our licence on its licence page, keeps any other installer or
uninstaller of ours out while it runs ("Setup is already running.", silently
status 8, nothing changed), and Cancel on a later page leaves the old
install exactly as it was; run silently, it replaces every
file and keeps one Add/Remove entry, and the program and uninstaller it
installs carry valid signatures; the 1.0.0 installer, silent, then refuses
to go back (status 3) and changes nothing.
"""

import os
import subprocess

import pytest

from winesupport import NEWER_INSTALLED, SETUP_RUNNING, UNINSTALL_KEY, Machine, log, setup_title, wait_until


def words(text):
    return " ".join(text.split())


def verify_signature(path, certificate):
    result = subprocess.run(["osslsigncode", "verify", "-CAfile", certificate, "-in", path], capture_output=True,
                            text=True, timeout=120)
    assert result.returncode == 0, f"the signature of {path} does not verify:\n{result.stdout}{result.stderr}"


def one_at_a_time(wine, machine, installer, before):
    """While an installer runs, another installer or the uninstaller, silent
    or by hand, is refused and changes nothing."""
    for what, status in (("a silent install", lambda: machine.install(installer, "/S")),
                         ("the quiet uninstall", machine.uninstall)):
        assert status() == SETUP_RUNNING and machine.state() == before, f"{what} ran beside the installer"
    second = machine.start(installer)
    try:
        box = wine.message_box(setup_title("1.0.0"))
        assert box is not None and box["text"] == "Setup is already running.", f"a second installer said {box}"
        assert wine.probe("press", setup_title("1.0.0"), "OK")[0] == 0, "could not press OK"
        assert second.wait(timeout=60) == SETUP_RUNNING, "the second installer did not end with status 8"
    finally:
        if second.poll() is None:
            second.kill()
    log("beside a running installer, another one says \"Setup is already running.\" and ends with status 8")


def cancel_half_way(wine, machine, next_installer, installer, licence):
    """Starts the installer by hand, reads its Welcome and licence pages, goes
    on to the Start-menu page and cancels there."""
    before = machine.state()
    title = setup_title("1.0.1")
    german = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8")
    setup = subprocess.Popen([wine.runner, next_installer], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             env=german)
    try:
        # The title names the version: the probe finds the window by it.
        wait_until("the welcome page", lambda: any("Welcome to" in t for t in machine.page_texts(title)),
                   timeout=60, interval=0.5)
        texts = machine.page_texts(title)
        assert ("Welcome to Kivo Love Numerology 1.0.1 Setup" in texts
                and any(t.startswith("Setup will upgrade Kivo Love Numerology from version 1.0.0, which is installed "
                                     "on this computer, to version 1.0.1.") for t in texts)), \
            f"the Welcome page's texts: {texts}"
        machine.click_button("&Next >", title)
        wait_until("the licence page", lambda: "I &Agree" in " ".join(machine.page_texts(title)), timeout=30,
                   interval=0.5)
        texts = machine.page_texts(title)
        shown = [t for t in texts if t.startswith("MIT License")]
        assert len(shown) == 1 and words(shown[0]) == words(licence), f"the licence page shows {shown}"
        assert ("Please review the license terms before installing Kivo Love Numerology." in texts
                and "Kivo Love Numerology 1.0.1" in texts and not any("Nullsoft" in t for t in texts)), \
            f"the licence page's texts: {texts}"
        one_at_a_time(wine, machine, installer, before)
        machine.click_button("I &Agree", title)
        # An upgrade stays in the installed folder: the Start-menu page next.
        wait_until("the Start-menu page", lambda: any("Start Menu folder" in t for t in machine.page_texts(title)),
                   timeout=60, interval=0.5)
        assert machine.state() == before, "the installer changed something before the last page"
        machine.click_button("Cancel", title)
        # The system's own buttons speak the system's language.
        assert wine.probe("press", title, "&Ja")[0] == 0, "no question whether to quit"
        assert setup.wait(timeout=60) != 0, "a cancelled installer ended with status 0"
    finally:
        if setup.poll() is None:
            setup.kill()
            pytest.fail("the installer did not end when cancelled")
    after = machine.state()
    assert after == before, f"Cancel changed the install:\nbefore {before}\nafter  {after}"
    log("in English on a German system, with the version, our branding and licence; Cancel on the Start-menu page "
        "left the old install as it was")


def test_upgrade(wine, machine, installer, next_installer, option):
    certificate = option("signer")
    with open(option("licence"), encoding="utf-8") as licence:
        licence = licence.read()
    assert machine.install(installer, "/S") == 0, "installing 1.0.0 failed"

    cancel_half_way(wine, machine, next_installer, installer, licence)

    # A damaged program file shows whether the upgrade really replaces it.
    with open(machine.program, "r+b") as program:
        program.seek(-16, os.SEEK_END)
        program.write(b"\0" * 16)
    damaged = machine.state()
    status = machine.install(next_installer, "/S")
    assert status == 0, f"the silent upgrade ended with status {status}"
    upgraded = machine.state()
    shipped = Machine.hashes(os.path.splitext(next_installer)[0])
    stale = sorted(f for f in set(shipped) | set(upgraded["files"]) - {"Uninstall.exe"}
                   if shipped.get(f) != upgraded["files"].get(f))
    assert not stale and damaged["files"] != upgraded["files"], f"the upgrade left these as they were: {stale}"
    entries = [key for key in upgraded["uninstall"] if key.endswith(UNINSTALL_KEY.split("\\")[-1])]
    assert len(upgraded["uninstall"]) == 1 and len(entries) == 1, f"Add/Remove entries: {upgraded['uninstall']}"
    assert next(iter(upgraded["uninstall"].values()))["DisplayVersion"] == ("REG_SZ", "1.0.1"), \
        f"after the upgrade: {upgraded['uninstall']}"
    assert upgraded["shortcuts"] == damaged["shortcuts"], f"shortcuts after the upgrade: {upgraded['shortcuts']}"
    log("the silent upgrade to 1.0.1 replaced the files and kept one Add/Remove entry")

    for signed in (machine.program, os.path.join(machine.folder, "Uninstall.exe"), next_installer):
        verify_signature(signed, certificate)
    log("the installed program, its uninstaller and the installer are signed")

    status = machine.install(installer, "/S")
    assert status == NEWER_INSTALLED, f"the silent downgrade ended with status {status}"
    assert machine.state() == upgraded, "the refused downgrade changed the install"
    log(f"the silent downgrade to 1.0.0 was refused with status {status} and changed nothing")

    assert machine.uninstall() == 0, "uninstalling failed"
    wait_until("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)

