#!/usr/bin/env bash
# Builds the benchmarks for Windows and runs them under Wine on a virtual X display:
# the drawing benchmark (per-call median and 99th-percentile times of spans, fills,
# antialiased lines and styled text on a 640 x 480 16-bit surface), then the frame
# benchmark (whole frames of every screen of the real game at three window sizes, clear,
# draw and present). The display is larger than the largest window, which the system would
# otherwise shrink to the screen.
# Uses the same build folder and Wine prefix as test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/build-for-wine.sh quickfigure_bench quickfigure_frame_bench

for bench in quickfigure_bench quickfigure_frame_bench; do
    xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" \
        scripts/wine-run.sh "$build/bench/$bench.exe"
    echo
done
