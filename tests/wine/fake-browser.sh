#!/bin/sh
# Stands in for the host's web browser under Wine, which hands every address
# a Windows program opens to the browsers listed in its registry (the Wine
# prefix of the tests lists only this script). Opens nothing; appends each
# address to the file named by KIVO_FAKE_BROWSER_LOG, when that is set.
if [ -n "${KIVO_FAKE_BROWSER_LOG:-}" ]; then
  printf '%s\n' "$@" >>"$KIVO_FAKE_BROWSER_LOG"
fi
exit 0
