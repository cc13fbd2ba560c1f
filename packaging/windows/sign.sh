#!/bin/sh
# Signs one Windows program file in place with osslsigncode (Authenticode,
# SHA-256). cmake/KivoWindowsPackages.cmake runs it on the program, and
# makensis on the uninstaller and the installer. The certificate comes from
# the environment, never from the command line:
#   KIVO_SIGN_PKCS12          the certificate and its key, a .p12/.pfx file
#   KIVO_SIGN_PASSWORD_FILE   optional: a file holding its password
#   KIVO_SIGN_TIMESTAMP_URL   optional: a time-stamping server
#   KIVO_SIGN_URL             the program's web site, shown with the signature
set -eu
file="$1"
: "${KIVO_SIGN_PKCS12:?no certificate (KIVO_SIGN_PKCS12)}"
set -- -pkcs12 "$KIVO_SIGN_PKCS12" -h sha256 -n "Kivo Love Numerology"
[ -n "${KIVO_SIGN_URL:-}" ] && set -- "$@" -i "$KIVO_SIGN_URL"
[ -n "${KIVO_SIGN_PASSWORD_FILE:-}" ] && set -- "$@" -readpass "$KIVO_SIGN_PASSWORD_FILE"
[ -n "${KIVO_SIGN_TIMESTAMP_URL:-}" ] && set -- "$@" -ts "$KIVO_SIGN_TIMESTAMP_URL"
rm -f "$file.signed"
osslsigncode sign "$@" -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
