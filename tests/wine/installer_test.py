"""Under Wine: the NSIS installer installs silently (/S) into Program Files
the same files as the portable folder plus its uninstaller, with a Start-menu
entry and an entry in Add/Remove Programs whose values and types are those
below; the installer carries its version and a DPI-aware manifest, the
installed program its icon, version and manifest; the program starts with
its window and loads exactly the DLLs of its folder; it ends with status 0
when left; the registered quiet uninstall string then leaves nothing of ours:
no program folder, Start-menu entry, Add/Remove entry or vendor key.
"""

import os
import re

from winesupport import (MAIN_CLIENT, MAIN_TITLE, NAME, PROMOTION_CLIENT, UNINSTALL_KEY, files_under, log,
                         wait_until)

FOLDER = rf"C:\Program Files\{NAME}"
# What Add/Remove Programs shows, and how Windows reads each value.
ENTRY = {
    "DisplayName": ("REG_SZ", NAME),
    "Publisher": ("REG_SZ", "Arvella Softwares"),
    "DisplayIcon": ("REG_SZ", rf"{FOLDER}\kivo-love-numerology.exe,0"),
    "InstallLocation": ("REG_SZ", FOLDER),
    "UninstallString": ("REG_SZ", rf'"{FOLDER}\Uninstall.exe"'),
    "QuietUninstallString": ("REG_SZ", rf'"{FOLDER}\Uninstall.exe" /S _?={FOLDER}'),
    "NoModify": ("REG_DWORD", "0x1"),
    "NoRepair": ("REG_DWORD", "0x1"),
}
MANIFEST = ('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"', ">PerMonitorV2, PerMonitor<",
            ">true/pm<", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", 'level="asInvoker"')


def resources(wine, path):
    status, lines = wine.probe("file", "Z:" + path.replace("/", "\\"))
    assert status == 0, f"no version resource in {path}: {lines}"
    return dict(line.split("=", 1) for line in lines if "=" in line)


def manifest(wine, path):
    status, lines = wine.probe("manifest", "Z:" + path.replace("/", "\\"))
    assert status == 0, f"no manifest in {path}: {lines}"
    return "\n".join(lines)


def test_round_trip(wine, machine, installer, option, launch):
    portable, site = option("portable"), option("site")

    details = resources(wine, installer)
    wanted = {"version": "1.0.0", "product": NAME, "company": "Arvella Softwares", "description": f"{NAME} Setup",
              "copyright": "Copyright (c) 2026 Arvella Softwares", "icons": "1"}
    assert details == wanted, f"the installer's resources: {details}"
    assert re.search(r"<dpiAware[^>]*>true</dpiAware>", manifest(wine, installer)), "the installer is not DPI-aware"

    status = machine.install(installer, "/S")
    assert status == 0, f"the installer ended with status {status}"
    installed = files_under(machine.folder)
    expected = files_under(portable) | {"Uninstall.exe"}
    assert installed == expected, \
        f"installed {sorted(installed - expected)} too, left out {sorted(expected - installed)}"
    log(f"installed into Program Files: {sorted(installed)}")

    shortcuts = machine.shortcuts()
    assert (len(shortcuts) == 2 and shortcuts[1] == os.path.join(shortcuts[0], f"{NAME}.lnk")
            and shortcuts[0].endswith(os.path.join("Start Menu", "Programs", NAME))), \
        f"not one Start-menu entry in its folder (and no desktop shortcut, which is off by default): {shortcuts}"
    keys = machine.registry(UNINSTALL_KEY)
    assert keys is not None and len(keys) == 1, f"not one Add/Remove Programs entry: {keys}"
    values = next(iter(keys.values()))
    wanted = dict(ENTRY, DisplayVersion=("REG_SZ", "1.0.0"), URLInfoAbout=("REG_SZ", site), HelpLink=("REG_SZ", site))
    wrong = {name: values.get(name) for name, value in wanted.items() if values.get(name) != value}
    assert not wrong, f"Add/Remove Programs values wrong: {wrong}"
    kind, size = values.get("EstimatedSize", ("", "0"))
    on_disk = sum(os.path.getsize(os.path.join(machine.folder, f)) for f in installed) // 1024
    assert kind == "REG_DWORD" and abs(int(size, 16) - on_disk) <= on_disk // 20, \
        f"EstimatedSize {kind} {size}, the folder holds {on_disk} KB"
    log(f"Start menu {[os.path.basename(s) for s in shortcuts]}; Add/Remove Programs: {sorted(values)}")

    details = resources(wine, machine.program)
    assert details.get("version") == "1.0.0" and details.get("product") == NAME and details.get("icons") == "1", \
        f"the installed program's resources: {details}"
    text = manifest(wine, machine.program)
    missing = [part for part in MANIFEST if part not in text]
    assert not missing, f"the program's manifest lacks {missing}:\n{text}"

    # As the Start menu starts it: from its folder, with Wine's record of
    # every DLL it loads.
    app = launch(machine.program, name="installed program", env={"WINEDEBUG": "+loaddll"})
    wine.wait_for_window(MAIN_TITLE, MAIN_CLIENT)
    loaded = {m.lower() for m in re.findall(r'Loaded L"C:\\\\Program Files\\\\Kivo Love Numerology\\\\(.*?\.dll)"',
                                           app.output(), re.IGNORECASE)}
    own_dlls = {f.lower().replace("/", "\\\\") for f in installed if f.endswith(".dll")}
    assert loaded == own_dlls, f"loaded {sorted(loaded - own_dlls)} too, never {sorted(own_dlls - loaded)}"
    log(f"the installed program loads exactly the {len(loaded)} DLLs of its folder")
    assert wine.probe("close", MAIN_TITLE, MAIN_CLIENT)[0] == 0, "could not close the main window"
    wine.wait_for_window(MAIN_TITLE, PROMOTION_CLIENT)
    assert wine.probe("close", MAIN_TITLE, PROMOTION_CLIENT)[0] == 0, "could not close the promotion window"
    code = app.wait_for_exit()
    assert code == 0, f"the installed program ended with status {code}"

    # The quiet uninstall string runs the uninstaller in place and waits for
    # it; a copy it leaves behind removes the uninstaller itself right after.
    status = machine.uninstall()
    assert status == 0, f"the uninstaller ended with status {status}"
    left = files_under(machine.folder) if os.path.isdir(machine.folder) else set()
    assert left <= {"Uninstall.exe"}, f"the uninstaller reported success with {sorted(left)} left"
    wait_until("removing the program folder", lambda: not os.path.exists(machine.folder), timeout=60, interval=0.5)
    state = machine.state()
    assert state["shortcuts"] == [], f"shortcuts left: {state['shortcuts']}"
    assert state["uninstall"] is None, "the Add/Remove Programs entry is left"
    assert state["vendor"] is None, f"the vendor key is left: {state['vendor']}"
    log("uninstalled: no program folder, shortcut, Add/Remove entry or vendor key left")

