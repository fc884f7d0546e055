# Sourced by the Wine scripts: one quiet, isolated Wine set-up per build folder.
# WINEPREFIX defaults to build/mingw/wineprefix; callers may set it first.
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/mingw/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -x /usr/lib/wine/wine64 ]; then
    WINE_BIN=/usr/lib/wine/wine64
elif command -v wine64 >/dev/null 2>&1; then
    WINE_BIN=wine64
else
    WINE_BIN=wine
fi
if [ -x /usr/lib/wine/wineserver64 ]; then
    WINESERVER_BIN=/usr/lib/wine/wineserver64
else
    WINESERVER_BIN=wineserver
fi
export WINE_BIN WINESERVER_BIN
