#!/usr/bin/env bash
# Creates the Wine prefix once (wineboot is slow) and applies the settings that make
# runs deterministic: no crash dialog, "Verdana" mapped to DejaVu Sans (metrically close,
# the same on every machine), and no audio driver unless QF_AUDIO=1.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
stamp="$WINEPREFIX/.quickfigure-ready"
[ -f "$stamp" ] && exit 0

mkdir -p "$WINEPREFIX"
"$WINE_BIN" wineboot --init >/dev/null 2>&1 || true
"$WINESERVER_BIN" -w

reg() { "$WINE_BIN" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /t REG_SZ /d 'DejaVu Sans'
if [ "${QF_AUDIO:-0}" != 1 ]; then
    reg 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d ''
fi
"$WINESERVER_BIN" -w
touch "$stamp"
