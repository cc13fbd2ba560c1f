"""Under Wine, the installer's folder: a folder holding the user's own files
(LICENSE.txt, platforms\\notes.txt and more, in C:\\users\\Public\\Documents)
gets a folder "Kivo Love Numerology" of its own inside it, silently (/D=)
and by hand, where the folder page says so first, and each of the user's
files is byte for byte the same after the install and after the uninstall.
A folder of 250 characters is refused before anything is written: silently
with status 6, by hand on the folder page, which says how long it may be;
so, silently with status 7, is a folder whose own "Kivo Love Numerology"
holds the user's files too.
By hand at 150 % scaling, the Welcome and Finish pages name the version, the
side picture is the 150 % one shown unscaled, and the desktop page says what
the shortcut is and what Install does next.
"""

import os
import shutil
import subprocess

from winesupport import (FOLDER_TAKEN, FOLDER_TOO_LONG, NAME, UNINSTALL_KEY, Machine, files_under, log, setup_title,
                         wait_until)

TITLE = setup_title("1.0.0")
# The user's own files, some named as ours.
USER_FILES = {"LICENSE.txt": b"My own licence, not Kivo's.\r\n", "platforms/notes.txt": b"notes\r\n",
              "Kivo.txt": b"a letter\r\n", "styles/qwindowsvistastyle.dll": b"not a DLL"}
LONG_FOLDER = "C:\\" + "\\".join(["x" * 48] * 4 + ["x" * 51])  # 250 characters


def user_folder(machine):
    folder = os.path.join(machine.prefix, "drive_c", "users", "Public", "Documents")
    for name, data in USER_FILES.items():
        os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)
    return folder


def users_files_kept(machine, folder, before, when):
    now = {f: h for f, h in Machine.hashes(folder).items() if not f.startswith(NAME + "/")}
    assert now == before, f"{when}, the user's files changed:\nbefore {before}\nafter  {now}"


def installed_inside(machine, folder, installer):
    """Installed in a folder of its own in the user's, and registered so;
    then uninstalled, leaving the user's folder as it was."""
    ours = os.path.join(folder, NAME)
    shipped = files_under(os.path.splitext(installer)[0]) | {"Uninstall.exe"}
    assert files_under(ours) == shipped, f"installed into {ours}: {sorted(files_under(ours))}"
    values = machine.registry(UNINSTALL_KEY)[UNINSTALL_KEY.replace("HKLM", "HKEY_LOCAL_MACHINE")]
    assert values["InstallLocation"][1] == machine.windows_path(ours), f"registered {values['InstallLocation']}"
    assert machine.uninstall() == 0, "uninstalling failed"
    wait_until("removing our folder", lambda: not os.path.exists(ours), timeout=60, interval=0.5)


def foreign_folder_silently(wine, machine, installer):
    folder = user_folder(machine)
    before = Machine.hashes(folder)
    status = machine.install(installer, "/S", "/D=" + machine.windows_path(folder))
    assert status == 0, f"the silent install ended with status {status}"
    users_files_kept(machine, folder, before, "after a silent install")
    installed_inside(machine, folder, installer)
    users_files_kept(machine, folder, before, "after the uninstall")
    log(f"silently, /D={machine.windows_path(folder)} installed into {NAME} inside it; the user's files were kept")


def refused_silently(wine, machine, installer):
    """A folder too long, and one whose folder of our own holds the user's
    files too, are refused, and nothing is written."""
    folder = user_folder(machine)
    os.makedirs(os.path.join(folder, NAME))
    with open(os.path.join(folder, NAME, "mine.txt"), "wb") as file:
        file.write(b"the user's own")
    before, files = machine.state(), Machine.hashes(folder)
    for what, chosen, wanted in (("a 250-character folder", LONG_FOLDER, FOLDER_TOO_LONG),
                                 (f"a folder whose {NAME} holds other files", machine.windows_path(folder),
                                  FOLDER_TAKEN)):
        status = machine.install(installer, "/S", "/D=" + chosen)
        assert status == wanted, f"the silent install into {what} ended with status {status}"
        assert (machine.state() == before and Machine.hashes(folder) == files
                and not os.path.exists(os.path.join(machine.prefix, "drive_c", "x" * 48))), \
            f"the install refused for {what} wrote something"
        log(f"silently, {what} was refused with status {status}; nothing was written")
    shutil.rmtree(os.path.join(folder, NAME))


def welcome_picture(wine, machine, pictures):
    """The side picture on the screen is the 150 % bitmap's top, pixel for pixel."""
    _, lines = wine.probe("controls", TITLE)
    controls = [(kind, [int(v) for v in place.split(",")])
                for kind, place, _ in (line.split("\t") for line in lines if line.count("\t") == 2)]
    page = next(place for kind, place in controls if kind == "#32770")
    # The picture: at the page's top left, less than half its width.
    x, y, width, height = next(place for kind, place in controls
                               if kind == "Static" and place[:2] == page[:2] and place[2] < page[2] // 2)
    height = min(height, page[3])
    wanted = subprocess.run(["convert", os.path.join(pictures, "welcome-150.bmp"), "-crop", f"{width}x{height}+0+0",
                             "-depth", "8", "rgb:-"], capture_output=True, timeout=30).stdout
    shown = bytes(v for pixel in wine.screen_pixels(x, y, width, height) for v in pixel)
    assert width == 246 and shown == wanted, f"the side picture ({width}x{height}) is not welcome-150.bmp unscaled"


def page_says(machine, button, *texts):
    """Clicks the button, if any, then waits for a page showing the texts."""
    if button:
        machine.click_button(button, TITLE)
    wait_until(f"a page saying {texts}", lambda: all(any(t in shown for shown in machine.page_texts(TITLE))
                                                      for t in texts), timeout=60, interval=0.3)


def folder_page_box(wine, machine):
    """From the Welcome page to Next on the folder page: what the box says."""
    page_says(machine, "&Next >", "I &Agree")
    page_says(machine, "I &Agree", "B&rowse...")
    machine.click_button("&Next >", TITLE)
    return wine.message_box(TITLE) or {"text": ""}


def foreign_folder_by_hand(wine, machine, installer, pictures):
    folder = user_folder(machine)
    before, ours = Machine.hashes(folder), machine.windows_path(os.path.join(folder, NAME))
    setup = machine.start(installer, "/D=" + machine.windows_path(folder))
    try:
        page_says(machine, None, "Welcome to Kivo Love Numerology 1.0.0 Setup",
                  "Setup will guide you through the installation of Kivo Love Numerology 1.0.0.")
        welcome_picture(wine, machine, pictures)
        box = folder_page_box(wine, machine)
        assert "holds other files" in box["text"] and ours in box["text"], f"the folder page said {box}"
        assert wine.probe("press", TITLE, "OK")[0] == 0, "could not press OK"
        page_says(machine, None, "Start Menu folder")
        page_says(machine, "&Next >", "The Start menu gets a shortcut",
                  f"Click Install to install Kivo Love Numerology 1.0.0 in {ours}.")
        page_says(machine, "&Install", "Completing Kivo Love Numerology 1.0.0 Setup",
                  "Kivo Love Numerology 1.0.0 has been installed")
        machine.click_button(f"Run {NAME}", TITLE)  # off: nothing is started
        machine.click_button("&Finish", TITLE)
        assert setup.wait(timeout=60) == 0, "the installer did not end with status 0"
    finally:
        if setup.poll() is None:
            setup.kill()
    users_files_kept(machine, folder, before, "after an install by hand")
    installed_inside(machine, folder, installer)
    users_files_kept(machine, folder, before, "after the uninstall")
    log("by hand, at 150 %: the folder page said it installs into a folder of its own; the pages named 1.0.0 and "
        "showed the 150 % picture unscaled; the user's files were kept")


def long_folder_by_hand(wine, machine, installer):
    before = machine.state()
    setup = machine.start(installer, "/D=" + LONG_FOLDER)
    try:
        page_says(machine, None, "&Next >")
        box = folder_page_box(wine, machine)
        assert "is 250 characters long" in box["text"] and "at most 229 characters" in box["text"], \
            f"the folder page said {box}"
        assert wine.probe("press", TITLE, "OK")[0] == 0, "could not press OK"
        page_says(machine, None, "B&rowse...")
        machine.click_button("Cancel", TITLE)
        assert wine.probe("press", TITLE, "&Yes")[0] == 0, "no question whether to quit"
        setup.wait(timeout=60)
    finally:
        if setup.poll() is None:
            setup.kill()
    assert machine.state() == before and not os.path.exists(os.path.join(machine.prefix, "drive_c", "x" * 48)), \
        "the refused install wrote something"
    log("by hand, the folder page refused a 250-character folder, saying it may be 229 characters long")


def test_folders(wine, machine, installer, option):
    pictures = option("pictures")
    documents = os.path.join(machine.prefix, "drive_c", "users", "Public", "Documents")
    try:
        foreign_folder_silently(wine, machine, installer)
        refused_silently(wine, machine, installer)
        long_folder_by_hand(wine, machine, installer)
        with machine.scaling(144):
            foreign_folder_by_hand(wine, machine, installer, pictures)
    finally:
        # Empty, as Wine makes it.
        shutil.rmtree(documents, ignore_errors=True)
        os.makedirs(documents)

