#!/usr/bin/env bash
# Builds the drawing benchmark for Windows and runs it under Wine on a virtual X display:
# per-call median and 99th-percentile times of spans, fills, antialiased lines and styled
# text on a 640 x 480 16-bit surface. Uses the same build folder and Wine prefix as test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target quickfigure_bench

export WINEPREFIX="$PWD/build/mingw/wineprefix"
scripts/wine-prefix.sh

xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    scripts/wine-run.sh build/mingw/bench/quickfigure_bench.exe
