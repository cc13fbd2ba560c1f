#!/usr/bin/env python3
"""Makes the Windows packages (the build's windows-packages.cmake: the NSIS
installer and the portable .zip) into the folder --out, unpacks the .zip into
OUT/portable for the tests that run the program from there, and checks
the program's folder: it lists it, finds exactly the files below, every DLL
that a program file of it imports either in the folder or among Windows' own
(the Wine prefix's system32), every DLL named in the third-party notices,
for each component of other authors found compiled into a DLL its notice
with its licence, Windows line endings in LICENSE.txt and the notices, and
an installer of at most --max-mb megabytes. Then it makes the next version's
installer of the same files into OUT/next, signed with a throwaway
certificate made here (OUT/next/signer.pem), for the upgrade tests, and
checks the signatures of that installer and of the program in it.
"""

import os
import re
import shutil
import struct
import subprocess
import zipfile

from winesupport import log

# The program and exactly what it loads: Qt's core, GUI and widget libraries,
# the Windows platform plugin, the Windows style, and the C++ run-time; our
# licence and the other libraries' notices.
EXPECTED = {
    "LICENSE.txt",
    "THIRD-PARTY-NOTICES.txt",
    "kivo-love-numerology.exe",
    "Qt6Core.dll",
    "Qt6Gui.dll",
    "Qt6Widgets.dll",
    "platforms/qwindows.dll",
    "styles/qwindowsvistastyle.dll",
    "libstdc++-6.dll",
    "libgcc_s_seh-1.dll",
    "libwinpthread-1.dll",
    "libssp-0.dll",
}


# Code of other authors that Qt compiles into its libraries: a byte string
# it leaves in a DLL, the name of its notice (section 6 of the notices) and
# a line of its licence. Where Qt's own exported code is the only trace
# (the class that carries the code), its name stands for it.
BUNDLED = (
    (b"Jean-loup Gailly and Mark Adler", "Data Compression Library (zlib)", "This software is provided 'as-is'"),
    (b"this version of PCRE2 does not have", "PCRE2,", "THE BASIC LIBRARY FUNCTIONS"),
    (b"(little endian + unaligned)", "PCRE2 - Stack-less Just-In-Time Compiler", "Redistribution and use in source"),
    (struct.pack("<Q", 0xFA8FD5A0081C0288), "Efficient Binary-Decimal and Decimal-Binary Conversion Routines",
     "Redistribution and use in source"),
    (b"QCborStreamReader", "TinyCBOR", "Permission is hereby granted"),
    (b"OutInBounce", "Easing Equations by Robert Penner", "Redistribution and use in source"),
    (b"Blake2b_160", "BLAKE2", "Statement of Purpose"),
    (b"Keccak_224", "SHA-3 - brg_endian", "The redistribution and use of this software"),
    (b"Keccak_224", "SHA-3 - Keccak", "Statement of Purpose"),
    (b"Sha384", "SHA-384 and SHA-512", "Redistribution and use in source"),
    (b"uespemos", "SipHash Algorithm", "Statement of Purpose"),
    (b"unicodeVersion", "Unicode Character Database", "UNICODE, INC. LICENSE AGREEMENT"),
    (b"Africa/Abidjan", "Unicode Common Locale Data Repository", "UNICODE, INC. LICENSE AGREEMENT"),
    (b"FREETYPE_PROPERTIES", "Freetype 2,", "The FreeType Project LICENSE"),
    (b"ENDPROPERTIES\0_XFREE86_GLYPH_RANGES", "Freetype 2 - Bitmap Distribution Format", "Permission is hereby granted"),
    (b"\0pcf\0", "Freetype 2 - Portable Compiled Format", "Permission is hereby granted"),
    (b"QRasterPaintEngine", "Anti-aliasing rasterizer from FreeType 2", "The FreeType Project LICENSE"),
    (b"HB_SHAPER_LIST", "HarfBuzz-NG", "Permission is hereby granted, without written agreement"),
    (b"libpng version 1.", "LibPNG", "PNG Reference Library License"),
    (b"Unsupported abi_version.", "MD4C", "Permission is hereby granted"),
    (b"smoothScaled", "Smooth Scaling Algorithm", "Redistribution and use in source"),
    (b"7QRegion", "X Server helper", "Permission is hereby granted"),
    (b"AEacute\0Aacute\0Abreve", "Adobe Glyph List For New Fonts", "Redistribution and use in source"),
    (b"sRGB IEC61966", "sRGB color profile icc file", "may be copied,"),
    (b"WarmFlame", "WebGradients", "Permission is hereby granted"),
)


def imports(objdump, path):
    result = subprocess.run([objdump, "-p", path], capture_output=True, text=True, check=True)
    return [line.split(":", 1)[1].strip() for line in result.stdout.splitlines()
            if line.strip().startswith("DLL Name:")]


def check_hardening(objdump, program):
    """The program loads at a random address anywhere in the 64-bit space,
    its data cannot be run (the image's DllCharacteristics), and its
    functions have stack canaries, whose failure routine it imports from
    GCC's libssp-0.dll."""
    report = subprocess.run([objdump, "-p", program], capture_output=True, text=True, check=True).stdout
    flags = int(re.search(r"^DllCharacteristics\s+([0-9a-fA-F]+)$", report, re.MULTILINE).group(1), 16)
    wanted = {"HIGH_ENTROPY_VA": 0x20, "DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100}
    missing = [name for name, bit in wanted.items() if not flags & bit]
    assert not missing, f"{program}: DllCharacteristics {flags:#06x} lacks {missing}"
    ssp = next((block for block in report.split("\n\n") if "DLL Name: libssp-0.dll" in block), "")
    assert re.search(r"\s__stack_chk_fail$", ssp, re.MULTILINE), \
        f"{program}: no stack protector (no __stack_chk_fail from libssp-0.dll)"
    log(f"{os.path.basename(program)}: {', '.join(wanted)} and a stack protector")


def notice_sections(text):
    """{heading: text} of the numbered notices of section 6; a licence given
    under another notice ("the text given under 6.N above") is taken from it."""
    parts = re.split(r"^(6\.\d+ .*)$", text, flags=re.MULTILINE)
    sections = dict(zip(parts[1::2], parts[2::2]))
    by_number = {heading.split()[0]: body for heading, body in sections.items()}
    return {heading: body + by_number.get((re.findall(r"given under (6\.\d+) above", body) or ["-"])[0], "")
            for heading, body in sections.items()}


def check_bundled_notices(folder, dlls, text):
    """Every component of BUNDLED found in a shipped DLL has its notice with
    its licence text."""
    sections = notice_sections(text)
    contents = {}
    for dll in dlls:
        with open(os.path.join(folder, dll), "rb") as data:
            contents[dll] = data.read()
    found = 0
    for signature, name, licence in BUNDLED:
        inside = [dll for dll, data in contents.items() if signature in data]
        if not inside:
            continue
        found += 1
        notices = [body for heading, body in sections.items() if name in heading]
        assert len(notices) == 1 and licence in notices[0], \
            (f"{', '.join(inside)} holds {name} ({signature!r}) but the notices have not one notice of it "
             f"with {licence!r}: {len(notices)}")
    assert found >= len(BUNDLED) // 2, \
        f"only {found} of the {len(BUNDLED)} bundled components found in {dlls}: are the signatures stale?"
    log(f"the notices cover all {found} components of other authors found in the DLLs")


def check_windows_texts(folder, source):
    """The texts we ship for Windows have Windows line endings, and are the
    repository's (which keeps Unix ones) otherwise unchanged."""
    for shipped, original in (("LICENSE.txt", "LICENSE"), ("THIRD-PARTY-NOTICES.txt", "packaging/THIRD-PARTY-NOTICES.txt")):
        with open(os.path.join(folder, shipped), "rb") as data:
            text = data.read()
        with open(os.path.join(source, original), "rb") as data:
            wanted = data.read()
        assert text.count(b"\n") == text.count(b"\r\n") and text.replace(b"\r\n", b"\n") == wanted, \
            f"{shipped} is not {original} with Windows line endings"
    log("LICENSE.txt and THIRD-PARTY-NOTICES.txt have Windows line endings")


def next_version_signed(config, out, name):
    """The next patch version's installer, signed; returns its path."""
    version = name.split("-")[-2]
    major, minor, patch = version.split(".")
    next_name = name.replace(version, f"{major}.{minor}.{int(patch) + 1}")
    folder = os.path.join(out, "next")
    os.makedirs(folder)
    key, pem, p12, password = (os.path.join(folder, f) for f in ("signer.key", "signer.pem", "signer.p12", "pass"))
    with open(password, "w") as secret:
        secret.write("throwaway\n")
    for command in (["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", pem,
                     "-days", "2", "-subj", "/CN=Kivo Love Numerology test signer"],
                    ["openssl", "pkcs12", "-export", "-inkey", key, "-in", pem, "-out", p12,
                     "-passout", f"file:{password}"]):
        assert subprocess.run(command, capture_output=True).returncode == 0, f"{command[0]} {command[1]} failed"
    made = subprocess.run(["cmake", f"-DKIVO_PACKAGE_VERSION={major}.{minor}.{int(patch) + 1}",
                           f"-DKIVO_PACKAGE_OUT={folder}", "-DKIVO_PACKAGES=exe", f"-DKIVO_SIGN_PKCS12={p12}",
                           f"-DKIVO_SIGN_PASSWORD_FILE={password}", "-P", config], capture_output=True, text=True)
    assert made.returncode == 0, f"making the signed installer failed:\n{made.stdout}\n{made.stderr}"
    installer = os.path.join(folder, f"{next_name}.exe")
    for path, signed in ((installer, True), (os.path.join(folder, next_name, "kivo-love-numerology.exe"), True),
                         (os.path.join(out, f"{name}.exe"), False)):
        verified = subprocess.run(["osslsigncode", "verify", "-CAfile", pem, "-in", path], capture_output=True)
        assert (verified.returncode == 0) == signed, f"{path}: osslsigncode verify says {'no' if signed else 'yes'}"
    log(f"{os.path.basename(installer)}: {os.path.getsize(installer) / 1e6:.2f} MB, it and its program signed")
    return installer


def test_package(option):
    config, out, name, max_mb = (option(key) for key in ("packages-config", "out", "package-name", "max-mb"))
    objdump, runner, prefix = (option(key) for key in ("objdump", "runner", "prefix"))
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    made = subprocess.run(["cmake", f"-DKIVO_PACKAGE_OUT={out}", "-P", config], capture_output=True, text=True)
    assert made.returncode == 0, f"making the packages failed:\n{made.stdout}\n{made.stderr}"

    installer = os.path.join(out, f"{name}.exe")
    archive = os.path.join(out, f"{name}.zip")
    for package in (installer, archive):
        assert os.path.isfile(package), f"no {package} was made"
        log(f"{os.path.basename(package)}: {os.path.getsize(package) / 1e6:.2f} MB")
    assert os.path.getsize(installer) <= float(max_mb) * 1e6, f"the installer is larger than {max_mb} MB"

    with zipfile.ZipFile(archive) as opened:
        opened.extractall(os.path.join(out, "portable"))
    folder = os.path.join(out, "portable", name)
    found = set()
    for root, _, files in os.walk(folder):
        for file in files:
            found.add(os.path.relpath(os.path.join(root, file), folder).replace(os.sep, "/"))
    log("the program's folder holds:")
    for file in sorted(found):
        log(f"  {file}  {os.path.getsize(os.path.join(folder, file)):>10} bytes")
    assert found == EXPECTED, f"missing {sorted(EXPECTED - found)}, not expected {sorted(found - EXPECTED)}"

    with open(os.path.join(folder, "THIRD-PARTY-NOTICES.txt"), encoding="utf-8") as notices:
        text = notices.read()
    unnamed = [f for f in sorted(found) if f.endswith(".dll") and os.path.basename(f) not in text]
    assert not unnamed, f"the third-party notices do not name {unnamed}"
    for licence in ("GNU LESSER GENERAL PUBLIC LICENSE", "GNU GENERAL PUBLIC LICENSE", "GCC RUNTIME LIBRARY EXCEPTION",
                    "apt-get source qt6-base=6.4.2", "scripts/build-qt-windows.sh"):
        assert licence in text, f"the third-party notices lack {licence!r}"

    check_bundled_notices(folder, sorted(f for f in found if f.endswith(".dll")), text)
    check_windows_texts(folder, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

    own = {os.path.basename(f).lower() for f in found}
    # The runner makes the Wine prefix, and with it Windows' own DLLs.
    subprocess.run([runner, "cmd", "/c", "exit"], capture_output=True, timeout=120, check=True)
    system32 = os.path.join(prefix, "drive_c", "windows", "system32")
    system = {f.lower() for f in os.listdir(system32)} if os.path.isdir(system32) else set()
    assert system, f"no Windows system folder at {system32} to check imports against"
    for file in sorted(f for f in found if f.endswith((".exe", ".dll"))):
        for dll in imports(objdump, os.path.join(folder, file)):
            # api-ms-win-*: API sets, which Windows' loader resolves itself.
            assert dll.lower() in own or dll.lower() in system or dll.lower().startswith("api-ms-win-"), \
                f"{file} imports {dll}, which is neither in the folder nor a Windows DLL"
    log("every import is in the folder or Windows' own")
    check_hardening(objdump, os.path.join(folder, "kivo-love-numerology.exe"))
    next_version_signed(config, out, name)
