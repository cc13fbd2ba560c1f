#!/usr/bin/env bash
# Builds the .deb from an existing build tree and checks what it holds: the
# program, its desktop entry and AppStream metadata (both validated), the
# icons, the change log and manual page, and the declared run-time
# dependencies; then the package as Debian checks one (lintian) and the
# program's hardening.
# Usage: scripts/check-package.sh <build-dir>
set -euo pipefail
build="$(cd "${1:?usage: check-package.sh <build-dir>}" && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null) || fail "cpack failed"
deb="$(find "$out" -maxdepth 1 -name '*.deb' -print -quit)"
[[ -n "$deb" ]] || fail "no .deb was produced"

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in \
    ./usr/bin/kivo-love-numerology \
    ./usr/share/applications/kivo-love-numerology.desktop \
    ./usr/share/metainfo/example.arvella.KivoLoveNumerology.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/kivo-love-numerology.png \
    ./usr/share/icons/hicolor/256x256/apps/kivo-love-numerology.png \
    ./usr/share/icons/hicolor/scalable/apps/kivo-love-numerology.svg \
    ./usr/share/doc/kivo-love-numerology/copyright \
    ./usr/share/doc/kivo-love-numerology/changelog.gz \
    ./usr/share/man/man1/kivo-love-numerology.1.gz; do
  grep -qxF "$path" <<<"$contents" || fail "missing $path"
done

depends="$(dpkg-deb -f "$deb" Depends)"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
  grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

x="$out/x"
dpkg-deb -x "$deb" "$x"
desktop-file-validate "$x/usr/share/applications/kivo-love-numerology.desktop" || fail "desktop file invalid"
appstreamcli validate --no-net --pedantic --explain \
    "$x/usr/share/metainfo/example.arvella.KivoLoveNumerology.metainfo.xml" || fail "metainfo invalid"
exec_line="$(grep '^Exec=' "$x/usr/share/applications/kivo-love-numerology.desktop" | cut -d= -f2 | awk '{print $1}')"
[[ -x "$x/usr/bin/$exec_line" ]] || fail "the desktop entry starts '$exec_line', which the package does not hold"
copyright="$x/usr/share/doc/kivo-love-numerology/copyright"
head -1 "$copyright" | grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "the copyright file is not in Debian's machine-readable format"
grep -qx "License: Expat" "$copyright" || fail "the copyright file names no Expat (MIT) licence"
grep -qF "<project_license>MIT</project_license>" "$x/usr/share/metainfo/example.arvella.KivoLoveNumerology.metainfo.xml" ||
  fail "the AppStream metadata does not give the MIT licence"
file "$x/usr/bin/kivo-love-numerology" | grep -q ELF || fail "the program is not an executable"
# The tests give their copy of the program a guard folder of their own
# through this variable; the program that ships must not even know its name.
if grep -qaF KIVO_TEST_INSTANCE_FOLDER "$x/usr/bin/kivo-love-numerology"; then
  fail "the program reads KIVO_TEST_INSTANCE_FOLDER, a variable of the tests"
fi

# Every tag lintian shows, pedantic ones included, fails the check; a tag
# that must stay needs an override with its reason.
lintian --pedantic --fail-on error,warning,pedantic "$deb" || fail "lintian finds fault with the package"

# Hardening, as Debian builds packages. hardening-check cannot see two of
# them in this program: every call that _FORTIFY_SOURCE could check is
# either proven safe or of unknown size when compiled, so none needs a
# checked variant; and Debian 12's C library start files (Scrt1.o, crti.o)
# carry no IBT and SHSTK marks, so the linker drops them from every
# program. Instead our own objects must carry those marks, and their
# compile commands must ask for the checked functions and for stack probing
# (which no frame here is large enough to show).
program="$x/usr/bin/kivo-love-numerology"
hardening-check --nofortify --nocfprotection "$program" || fail "the program lacks some hardening"
if readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)'; then
  fail "the program has a library search path of its own"
fi
mapfile -t objects < <(find "$build" -name '*.o' -not -path "$build/tests/*")
((${#objects[@]} > 0)) || fail "no object files of the program in $build"
unmarked="$(readelf -n "${objects[@]}" |
  awk '/^File: /{if (f && !ok) print f; f=$2; ok=0} /x86 feature: IBT, SHSTK/{ok=1} END{if (f && !ok) print f}')"
[[ -z "$unmarked" ]] || fail "objects without IBT and SHSTK marks (-fcf-protection): $unmarked"
python3 - "$build/compile_commands.json" <<'EOF' || fail "sources of the program compiled without hardening"
import json, shlex, sys
wanted = {"-D_FORTIFY_SOURCE=2", "-fstack-clash-protection"}
ours = [shlex.split(c["command"]) for c in json.load(open(sys.argv[1]))]
ours = [a for a in ours if "-o" in a and not a[a.index("-o") + 1].startswith("tests/")]
bad = [a[-1] for a in ours if not wanted <= set(a)]
print("\n".join(f"{f} lacks {' or '.join(sorted(wanted))}" for f in bad), file=sys.stderr)
sys.exit(1 if bad or not ours else 0)
EOF

echo "check-package: $(basename "$deb") holds the program, desktop entry, metainfo, icons, change log and" \
  "manual page, passes lintian, and its program is hardened and free of test hooks; Depends: $depends"
