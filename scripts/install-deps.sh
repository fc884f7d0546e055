#!/usr/bin/env bash
# Installs the Debian packages the build, the game under Wine and the tests need, and the
# locales the end-to-end tests start Wine in (English, French, German).
# Safe to run again: it asks apt only for what is missing and makes only missing locales.
# Needs root or sudo.
set -euo pipefail

packages=(
    cmake ninja-build make
    mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    googletest
    wine wine64
    xvfb xauth x11-utils xdotool imagemagick
    fonts-dejavu-core
    g++ clang libclang-rt-14-dev
    zip unzip python3
    nsis
    locales
)
locales=(en_US fr_FR de_DE)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# Makes each locale (as NAME.UTF-8) that `locale -a` does not list yet.
make_locales() {
    for l in "${locales[@]}"; do
        locale -a | grep -qix "$l.utf-\?8" || $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
    done
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
make_locales
