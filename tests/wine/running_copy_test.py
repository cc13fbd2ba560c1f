"""Under Wine, while the installed program runs: a silent reinstall of the
same version, a silent upgrade to the next one and the quiet uninstall string
each end with status 4 and change nothing; the uninstaller started by hand
says that Kivo Love Numerology is running and offers Retry and Cancel, and
Cancel changes nothing; once the program has ended, the quiet uninstall
string removes it.
"""

import os
import subprocess

from winesupport import MAIN_CLIENT, MAIN_TITLE, NAME, RUNNING, UNINSTALL_TITLE, log, wait_until


def test_running_copy(wine, machine, installer, next_installer, launch):
    assert machine.install(installer, "/S") == 0, "installing 1.0.0 failed"
    installed = machine.state()

    app = launch(machine.program, name="installed program")
    try:
        wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        for what, attempt in (("reinstalling 1.0.0", lambda: machine.install(installer, "/S")),
                              ("upgrading to 1.0.1", lambda: machine.install(next_installer, "/S")),
                              ("uninstalling quietly", machine.uninstall)):
            status = attempt()
            assert status == RUNNING, f"{what} with the program running ended with status {status}"
            assert machine.state() == installed, f"{what} with the program running changed the install"
            log(f"{what} with the program running: status {status}, nothing changed")

        # By hand, through Add/Remove Programs' uninstall string.
        uninstaller = subprocess.Popen([wine.runner, wine.probe_exe, "run", installed["uninstall"][next(
            iter(installed["uninstall"]))]["UninstallString"][1]], stdout=subprocess.DEVNULL)
        box = wine.message_box(UNINSTALL_TITLE)
        assert box is not None and f"{NAME} is running." in box["text"], f"the uninstaller said {box}"
        assert box["buttons"] in ("&Retry,Cancel", "Retry,Cancel"), f"the uninstaller offered {box['buttons']}"
        assert wine.probe("press", UNINSTALL_TITLE, "Cancel")[0] == 0, "could not press Cancel"
        uninstaller.wait(timeout=60)
        machine.wait_for_uninstaller()
        assert machine.state() == installed, "Cancel in the uninstaller changed the install"
        log(f"the uninstaller said {box['text']!r} with {box['buttons']}; Cancel changed nothing")
    finally:
        app.terminate()

    app.wait_for_exit()
    assert machine.uninstall() == 0, "uninstalling after the program ended failed"
    wait_until("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)
    log("once the program had ended, the uninstaller removed it")

