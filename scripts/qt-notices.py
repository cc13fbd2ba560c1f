#!/usr/bin/env python3
"""Writes the last section of packaging/THIRD-PARTY-NOTICES.txt: the code of
other authors that Qt builds into the libraries the Windows program ships
(Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, the windows platform plugin and
the Vista style), each with its copyright and the licence files Qt's own
qt_attribution.json names, taken unchanged from the Qt source the kit is
built from (scripts/build-qt-windows.sh):

    apt-get source --download-only qt6-base    # deb-src entries needed
    tar -xf qt6-base_*.orig.tar.xz
    scripts/qt-notices.py qtbase-everywhere-src-6.4.2

usage: qt-notices.py <qtbase source folder> [<notices file>]
"""

import json
import os
import sys

HEADING = "6. Code of other authors inside Qt's libraries"

# Attribution ids of what the kit's build (scripts/build-qt-windows.sh:
# Qt's own zlib, PCRE2, libpng, HarfBuzz and FreeType; PDF and Markdown on)
# compiles into the libraries we ship, and where. Left out, as nothing of
# them is in those libraries on Windows: forkfd (Unix), pixman (ARM),
# Vulkan, xcb, the macOS and Android parts, the JPEG plugin, the build
# system's CMake files, Qt Test's and Qt Network's parts, and freetype-zlib
# (FreeType is built with FT_CONFIG_OPTION_SYSTEM_ZLIB: Qt's zlib above).
BUILT_IN = {
    "Qt6Core.dll": ("zlib", "pcre2", "pcre2-sljit", "doubleconversion", "tinycbor", "easing", "blake2", "md4",
                    "md5", "sha1", "sha3_endian", "sha3_keccak", "rfc6234", "siphash",
                    "unicode-character-database", "unicode-cldr"),
    "Qt6Gui.dll": ("freetype", "freetype-bdf", "freetype-pcf", "grayraster", "harfbuzz-ng", "libpng", "md4c",
                   "smooth-scaling-algorithm", "xserverhelper", "aglfn", "icc-sRGB-color-profile", "opengl-headers",
                   "opengl-es2-headers", "webgradients"),
}

INTRODUCTION = """\
Qt's source holds copies of code of other authors, which the kit's build
compiles into Qt's libraries (section 1). Each is listed here with where
it lies in the qtbase source, its copyright, and its licence, as Qt's
qt_attribution.json files name them. This section is made by the
program's scripts/qt-notices.py from that source.
"""


def attributions(source):
    found = {}
    for root, _, files in os.walk(source):
        if "qt_attribution.json" in files:
            with open(os.path.join(root, "qt_attribution.json"), encoding="utf-8") as data:
                entries = json.loads(data.read(), strict=False)  # some hold raw line breaks
            for entry in entries if isinstance(entries, list) else [entries]:
                found[entry["Id"]] = (os.path.relpath(root, source), entry)
    return found


def licence_files(entry):
    files = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [files] if isinstance(files, str) else files


def section(number, dll, folder, entry, source, printed):
    """One notice; a licence text already given is referred to by number."""
    version = f", version {entry['Version']}" if entry.get("Version") else ""
    licence = entry.get("LicenseId") or entry.get("License") or "no licence"
    lines = [f"6.{number} {entry['Name']}, in {dll}", f"    (qtbase/{folder}{version}; {licence})", "",
             entry.get("Copyright", "").strip(), ""]
    for name in licence_files(entry):
        with open(os.path.join(source, folder, name), encoding="utf-8") as text:
            body = [line.rstrip() for line in text.read().strip("\n").splitlines()]
        key = "\n".join(body)
        if key in printed:
            lines += [f"The licence is the text given under 6.{printed[key]} above.", ""]
        else:
            printed[key] = number
            lines += body + [""]
    if not licence_files(entry):
        lines += [f"{entry.get('License', 'Public Domain')}: there is no licence text.", ""]
    return "\n".join(lines) + "\n"


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    source = sys.argv[1]
    notices = sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                                                 "packaging", "THIRD-PARTY-NOTICES.txt")
    known = attributions(source)
    missing = [i for ids in BUILT_IN.values() for i in ids if i not in known]
    if missing:
        print(f"qt-notices: {source} has no attribution for {missing}")
        return 1
    parts = [f"{HEADING}\n{'-' * 75}\n\n{INTRODUCTION}\n"]
    number, printed = 0, {}
    for dll, ids in BUILT_IN.items():
        for attribution in ids:
            number += 1
            parts.append("\n" + section(number, dll, *known[attribution], source, printed))
    with open(notices, encoding="utf-8") as text:
        kept = text.read().split(HEADING)[0].rstrip("\n")
    with open(notices, "w", encoding="utf-8") as text:
        text.write(kept + "\n\n\n" + "".join(parts).rstrip("\n") + "\n")
    print(f"qt-notices: {number} notices written into {notices}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
