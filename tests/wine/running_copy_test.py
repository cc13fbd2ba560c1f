#!/usr/bin/env python3
"""Under Wine, while the installed program runs: a silent reinstall of the
same version, a silent upgrade to the next one and the quiet uninstall string
each end with status 4 and change nothing; the uninstaller started by hand
says that Kivo Love Numerology is running and offers Retry and Cancel, and
Cancel changes nothing; once the program has ended, the quiet uninstall
string removes it.

usage: running_copy_test.py <wine-run.sh> <probe> <installer> <next installer> <wine-prefix>
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from wineharness import (MAIN_CLIENT, MAIN_TITLE, NAME, RUNNING, UNINSTALL_TITLE, Machine, Program, check,  # noqa: E402
                         log, run_wine_script, wait_for)


def run(wine, installer, next_installer, prefix):
    machine = Machine(wine, prefix)
    machine.clean()
    check(machine.install(installer, "/S") == 0, "installing 1.0.0 failed")
    installed = machine.state()

    app = Program(wine, machine.program, name="installed program")
    try:
        wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
        for what, attempt in (("reinstalling 1.0.0", lambda: machine.install(installer, "/S")),
                              ("upgrading to 1.0.1", lambda: machine.install(next_installer, "/S")),
                              ("uninstalling quietly", machine.uninstall)):
            status = attempt()
            check(status == RUNNING, f"{what} with the program running ended with status {status}")
            check(machine.state() == installed, f"{what} with the program running changed the install")
            log(f"{what} with the program running: status {status}, nothing changed")

        # By hand, through Add/Remove Programs' uninstall string.
        uninstaller = subprocess.Popen([wine.runner, wine.probe_exe, "run", installed["uninstall"][next(
            iter(installed["uninstall"]))]["UninstallString"][1]], stdout=subprocess.DEVNULL)
        box = wine.message_box(UNINSTALL_TITLE)
        check(box is not None and f"{NAME} is running." in box["text"], f"the uninstaller said {box}")
        check(box["buttons"] in ("&Retry,Cancel", "Retry,Cancel"), f"the uninstaller offered {box['buttons']}")
        check(wine.probe("press", UNINSTALL_TITLE, "Cancel")[0] == 0, "could not press Cancel")
        uninstaller.wait(timeout=60)
        machine.wait_for_uninstaller()
        check(machine.state() == installed, "Cancel in the uninstaller changed the install")
        log(f"the uninstaller said {box['text']!r} with {box['buttons']}; Cancel changed nothing")
    finally:
        app.terminate()

    app.wait_for_exit()
    check(machine.uninstall() == 0, "uninstalling after the program ended failed")
    wait_for("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)
    log("once the program had ended, the uninstaller removed it")


if __name__ == "__main__":
    sys.exit(run_wine_script(__doc__, run, extra_args=2))
