#!/usr/bin/env bash
# Builds the screen gallery for Windows, runs it under Wine on a virtual X display (the
# real game, driven through every screen at 640 x 480 and at 240 x 320) and converts the
# saved frames to PNG in docs/gallery/. Uses the same build folder and Wine prefix as test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/build-for-wine.sh quickfigure_gallery

frames="$(mktemp -d)"
trap 'rm -rf "$frames"' EXIT
exe="$PWD/$build/tools/gallery/quickfigure_gallery.exe"
# The program saves into its current folder, which Wine sees through drive Z:.
(cd "$frames" && xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$OLDPWD/scripts/wine-run.sh" "$exe")

mkdir -p docs/gallery
for bmp in "$frames"/*.bmp; do
    convert "$bmp" -strip "docs/gallery/$(basename "${bmp%.bmp}").png"
done
echo "Gallery: $(ls docs/gallery/*.png | wc -l) pictures in $PWD/docs/gallery"
