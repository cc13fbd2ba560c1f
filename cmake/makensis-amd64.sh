#!/bin/sh
# makensis making a 64-bit installer: the Target command must come before
# the script, and CPack cannot pass an argument holding a space.
exec makensis "-XTarget amd64-unicode" "$@"
