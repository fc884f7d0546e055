#!/usr/bin/env bash
# Builds the screen gallery for Windows, runs it under Wine on a virtual X display (the
# real game, driven through every screen at 640 x 480 and at the other window sizes of
# tools/gallery/gallery_main.cpp) and converts the saved frames to PNG in docs/gallery/.
# Uses the same build folder and Wine prefix as test.sh. The display is larger than the
# largest window, which the system would otherwise shrink to the screen.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/build-for-wine.sh quickfigure_gallery

frames="$(mktemp -d)"
trap 'rm -rf "$frames"' EXIT
exe="$PWD/$build/tools/gallery/quickfigure_gallery.exe"
# The program saves into its current folder, which Wine sees through drive Z:. The pointer
# is held where a 1280 x 1024 display starts it, at (640, 512), so it rests over the same
# place of the 640 x 480 window as it always has (a pointer moved by a client that then
# leaves goes back, so the mover stays connected until the gallery is done).
(cd "$frames" && xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" bash -c '
    xdotool mousemove 640 512 sleep 3600 &
    pointer=$!
    sleep 0.3
    "$0" "$1"
    status=$?
    kill "$pointer"
    exit "$status"' "$OLDPWD/scripts/wine-run.sh" "$exe")

mkdir -p docs/gallery
for bmp in "$frames"/*.bmp; do
    convert "$bmp" -strip "docs/gallery/$(basename "${bmp%.bmp}").png"
done
echo "Gallery: $(ls docs/gallery/*.png | wc -l) pictures in $PWD/docs/gallery"
