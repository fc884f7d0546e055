# Sourced by the scripts that build something and run it under Wine: builds the targets
# named as arguments in $build (QF_BUILD_DIR, default build/mingw, which it also installs
# what is missing for and configures) and prepares the project's Wine prefix.
build="${QF_BUILD_DIR:-build/mingw}"
if [ "$build" = build/mingw ]; then
    scripts/install-deps.sh
    cmake --preset mingw >/dev/null
fi
cmake --build "$build" --target "$@"
export WINEPREFIX="${WINEPREFIX:-$PWD/build/mingw/wineprefix}"
scripts/wine-prefix.sh
