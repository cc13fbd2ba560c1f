"""End to end: nothing the user types reaches the program's standard output
or standard error, not even when no web browser can be started.

Starts a private X server and the real program with a PATH of our own,
closes the main window, fills the refer-a-friend form of the exit promotion
window by the keyboard, submits it with its access key (Alt+N) and leaves.
Nothing the program wrote may hold a name or an address that was typed.

    no-browser      there is no browser to be found at all
    browser-fails   there is an "xdg-open", but it cannot be started
    recorded        an "xdg-open" writes down the address it is given, and
                    also prints it, as a failing real one does: proves that the
                    form went off with the typed values and that the browser's
                    own chatter is not the program's output
    no-display      the other side: before its main window exists nothing has
                    been typed, and a start-up that fails says why; with no X
                    display the program prints Qt's reason and ends with
                    status 1
"""

import os
import time
import urllib.parse

import pytest

from xsupport import MESSAGE_TITLE, Process, log, wait_until

pytestmark = pytest.mark.tools("Xvfb", "xdotool")

# The form's fields in their Tab order from the Exit button, each with the
# number of Tab presses that reach it from the field before, and what we type.
TYPED = [("Zelda Quill", 2), ("zelda.quill@home.example", 2), ("orson.vane@mail.example", 1),
         ("Orson Vane", 1)]
# What must never show up in the output, in lower case.
SECRETS = ("zelda", "quill", "orson", "vane")


def make_browser_folder(mode, folder, record):
    """Puts the mode's "xdg-open" (or none) into the folder that is the
    program's whole PATH."""
    if mode == "no-browser":
        return
    script = os.path.join(folder, "xdg-open")
    with open(script, "w", encoding="ascii") as out:
        if mode == "browser-fails":
            out.write("#!/nonexistent/interpreter\n")
        else:
            out.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{record}'\n"
                      "printf 'xdg-open: cannot open %s\\n' \"$1\"\n"
                      "printf 'xdg-open: cannot open %s\\n' \"$1\" >&2\n")
    os.chmod(script, 0o755)


def fill_and_submit(x, promotion):
    for text, tabs in TYPED:
        for _ in range(tabs):
            x.press_key(promotion, "Tab")
        x.type_text(promotion, text)
    x.press_key(promotion, "alt+n")


def recorded_address(record):
    def first_line():
        if not os.path.exists(record):
            return None
        with open(record, encoding="utf-8") as f:
            lines = f.read().splitlines()
        return urllib.parse.unquote(lines[0]) if lines else None
    return wait_until("the browser to be asked to open the referral address", first_line, timeout=10.0)


def test_no_display_says_why(program, runtime_dir):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir, KIVO_TEST_INSTANCE_FOLDER=runtime_dir)
    for variable in ("DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(variable, None)
    app = Process([program], env, "the program without a display")
    status = app.wait_for_exit()
    output = app.output()
    # 1, as for any start-up that cannot go on; not an abort (SIGABRT), which
    # crash reporters would record as a crash.
    assert status == 1, f"the program ended with status {status} without a display: {output!r}"
    assert "could not connect to display" in output, f"the program did not say why it ended: {output!r}"
    log(f"without a display the program ended with status {status}, saying: {output.strip()[:120]}...")


@pytest.mark.parametrize("mode", ["no-browser", "browser-fails", "recorded"])
def test_nothing_typed_in_output(xserver, runtime_dir, launch, mode):
    x = xserver
    folder = os.path.join(runtime_dir, "path")
    os.mkdir(folder)
    record = os.path.join(folder, "opened.txt")
    make_browser_folder(mode, folder, record)
    env = {"PATH": folder, "BROWSER": None, "DEFAULT_BROWSER": None, "XDG_CURRENT_DESKTOP": None,
           "DESKTOP_SESSION": None, "KDE_FULL_SESSION": None, "GNOME_DESKTOP_SESSION_ID": None}
    app = launch(env=env)
    main_window = x.wait_for_main_window(app)
    x.exit_by_menu(main_window)
    promotion = x.wait_for_promotion(app, main_window)
    log(f"promotion window {promotion} is up; filling the form")

    fill_and_submit(x, promotion)
    if mode == "recorded":
        address = recorded_address(record)
        for text, _ in TYPED:
            assert text in address, f"{text!r} is not in the submitted address {address!r}"
        log("the browser got the referral address with every typed value")
    else:
        time.sleep(1.0)
    assert not x.find_windows(MESSAGE_TITLE, pid=app.pid), \
        "the form was refused with a message instead of being submitted"

    x.press_key(promotion, "alt+x")
    status = app.wait_for_exit()
    output = app.output()
    assert status == 0, f"the program exited with status {status}"
    found = [s for s in SECRETS if s in output.lower()]
    assert not found, f"the program wrote what the user typed ({found}):\n{output}"
    log(f"the program ended; its {len(output)} characters of output hold nothing typed")
