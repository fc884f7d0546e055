#!/usr/bin/env bash
# Installs the Debian packages the build, the game under Wine and the tests need.
# Safe to run again: it asks apt only for what is missing. Needs root or sudo.
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
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
