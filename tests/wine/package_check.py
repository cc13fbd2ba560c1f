#!/usr/bin/env python3
"""Makes the Windows packages (CPack: the NSIS installer and the portable
.zip) into OUT-DIR, unpacks the .zip into OUT-DIR/portable for the tests that
run the program from there, and checks the program's folder: it lists it,
finds exactly the files below, every DLL that a program file of it imports
either in the folder or among Windows' own (the Wine prefix's system32), and
an installer of at most MAX-MB megabytes.

usage: package_check.py <CPackConfig.cmake> <OUT-DIR> <PACKAGE-NAME> <MAX-MB> <objdump>
                        <wine-run.sh> <wine-prefix>
"""

import os
import shutil
import subprocess
import sys
import zipfile

# The program and exactly what it loads: Qt's core, GUI and widget libraries,
# the Windows platform plugin, the Windows style, and the C++ run-time.
EXPECTED = {
    "kivo-love-numerology.exe",
    "Qt6Core.dll",
    "Qt6Gui.dll",
    "Qt6Widgets.dll",
    "platforms/qwindows.dll",
    "styles/qwindowsvistastyle.dll",
    "libstdc++-6.dll",
    "libgcc_s_seh-1.dll",
    "libwinpthread-1.dll",
}


def fail(message):
    print(f"FAILED: {message}", flush=True)
    sys.exit(1)


def imports(objdump, path):
    result = subprocess.run([objdump, "-p", path], capture_output=True, text=True, check=True)
    return [line.split(":", 1)[1].strip() for line in result.stdout.splitlines()
            if line.strip().startswith("DLL Name:")]


def main():
    if len(sys.argv) != 8:
        print(__doc__)
        return 2
    config, out, name, max_mb, objdump, runner, prefix = sys.argv[1:]
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    made = subprocess.run(["cpack", "-G", "NSIS;ZIP", "--config", config, "-B", out],
                          capture_output=True, text=True)
    if made.returncode != 0:
        fail(f"cpack failed:\n{made.stdout}\n{made.stderr}")

    installer = os.path.join(out, f"{name}.exe")
    archive = os.path.join(out, f"{name}.zip")
    for package in (installer, archive):
        if not os.path.isfile(package):
            fail(f"cpack made no {package}")
        print(f"{os.path.basename(package)}: {os.path.getsize(package) / 1e6:.2f} MB")
    if os.path.getsize(installer) > float(max_mb) * 1e6:
        fail(f"the installer is larger than {max_mb} MB")

    with zipfile.ZipFile(archive) as opened:
        opened.extractall(os.path.join(out, "portable"))
    folder = os.path.join(out, "portable", name)
    found = set()
    for root, _, files in os.walk(folder):
        for file in files:
            found.add(os.path.relpath(os.path.join(root, file), folder).replace(os.sep, "/"))
    print("the program's folder holds:")
    for file in sorted(found):
        print(f"  {file}  {os.path.getsize(os.path.join(folder, file)):>10} bytes")
    if found != EXPECTED:
        fail(f"missing {sorted(EXPECTED - found)}, not expected {sorted(found - EXPECTED)}")

    own = {os.path.basename(f).lower() for f in found}
    # The runner makes the Wine prefix, and with it Windows' own DLLs.
    subprocess.run([runner, "cmd", "/c", "exit"], capture_output=True, timeout=120, check=True)
    system32 = os.path.join(prefix, "drive_c", "windows", "system32")
    system = {f.lower() for f in os.listdir(system32)} if os.path.isdir(system32) else set()
    if not system:
        fail(f"no Windows system folder at {system32} to check imports against")
    for file in sorted(found):
        for dll in imports(objdump, os.path.join(folder, file)):
            # api-ms-win-*: API sets, which Windows' loader resolves itself.
            if dll.lower() not in own and dll.lower() not in system and not dll.lower().startswith("api-ms-win-"):
                fail(f"{file} imports {dll}, which is neither in the folder nor a Windows DLL")
    print("every import is in the folder or Windows' own; PASSED", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
