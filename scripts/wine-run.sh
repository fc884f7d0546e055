#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's quiet, isolated settings.
# Used as CMake's cross-compiling emulator, so tests run as `wine-run.sh test.exe args`.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE_BIN" "$@"
