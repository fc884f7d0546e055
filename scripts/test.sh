#!/usr/bin/env bash
# Installs what is missing, runs the native tests (the plain-C++ layers on the host under
# the address and undefined-behaviour sanitizers, in seconds), then builds the game and its
# tests for Windows, prepares Wine and runs the whole suite under a virtual X display, then
# the fuzz smoke. Extra arguments go to the Wine suite's ctest (for example:
# scripts/test.sh -R unit).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --workflow --preset native
native=$(ctest --preset native -N | sed -n 's/^Total Tests: *//p')

cmake --preset mingw >/dev/null
cmake --build --preset mingw

export WINEPREFIX="$PWD/build/mingw/wineprefix"
scripts/wine-prefix.sh
source scripts/wine-env.sh
trap '"$WINESERVER_BIN" -k >/dev/null 2>&1 || true' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    ctest --preset mingw "$@"
bash scripts/fuzz.sh --smoke

# Every step above stops the script on a failure, so reaching here means all passed.
registered=$(ctest --preset mingw -N "$@" | sed -n 's/^Total Tests: *//p')
echo "tests: $((native + registered + 1)) passed, 0 failed"
