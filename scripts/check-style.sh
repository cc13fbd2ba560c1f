#!/usr/bin/env bash
# Fails on C++ that clang-format would lay out otherwise (.clang-format) and
# on any shellcheck finding in the project's shell scripts. To lay the code
# out: scripts/check-style.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
mapfile -t shells < <(git ls-files '*.sh' '*.sh.in' .ci/run)

if [[ ${1:-} == --fix ]]; then
  clang-format -i "${sources[@]}"
  exit 0
fi

status=0
clang-format --dry-run --Werror "${sources[@]}" || status=1
shellcheck --shell=bash "${shells[@]}" || status=1
if ((status != 0)); then
  echo "check-style: see above; scripts/check-style.sh --fix lays out the C++" >&2
  exit 1
fi
echo "check-style: ${#sources[@]} C++ files laid out, ${#shells[@]} shell scripts clean"
