#!/usr/bin/env bash
# Measures the real program under Wine on a virtual X display: start-up time from launching
# the process to the first presented menu frame (polled from the screen: the window exists
# and a background pixel of its client area shows the menu colour), then the CPU share of the
# game's process over 10 seconds on the menu and over 10 seconds in play, from utime + stime
# in /proc/<pid>/stat. Set QF_BUILD_DIR to use another configured build folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [ "${1:-}" != --inside ]; then
    source scripts/build-for-wine.sh quickfigure
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --inside "$PWD/$build"
fi

source scripts/wine-env.sh
build="$2"
run_dir="$(mktemp -d)"
cp "$build/quickfigure.exe" "$run_dir/"
# The menu background 0xFFE7DB as a 565 pixel widened back to 8 bits a channel.
menu_rgb="srgb(222,231,255)"
sample_x=600
sample_y=200

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints the colour at client (sample_x, sample_y) of the game's window, or nothing.
menu_pixel() {
    local id geometry x y
    id="$(xdotool search --name "^Quickfigure$" 2>/dev/null | head -1 || true)"
    [ -n "$id" ] || return 0
    geometry="$(xwininfo -id "$id" 2>/dev/null || true)"
    x="$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")"
    y="$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")"
    import -silent -window root -crop "1x1+$((x + sample_x))+$((y + sample_y))" -format '%[pixel:p{0,0}]' info: 2>/dev/null || true
}

game_pid() {
    local pid
    for pid in $(pgrep -f quickfigure.exe); do
        if [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = quickfigure.exe ]; then
            echo "$pid"
            return
        fi
    done
}

# CPU seconds (utime + stime) of a process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

cpu_share() {
    local pid="$1" seconds=10 before after hz
    hz="$(getconf CLK_TCK)"
    before="$(cpu_ticks "$pid")"
    sleep "$seconds"
    after="$(cpu_ticks "$pid")"
    awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * t / hz / s}'
}

# Launches the game and prints label with the time until its menu is on screen.
start_once() {
    local label="$1" started shown_ms=""
    started="$(now_ms)"
    (cd "$run_dir" && "$WINE_BIN" quickfigure.exe </dev/null >/dev/null 2>&1 &)
    while [ $(($(now_ms) - started)) -lt 30000 ]; do
        if [ "$(menu_pixel)" = "$menu_rgb" ]; then
            shown_ms=$(($(now_ms) - started))
            break
        fi
        sleep 0.02
    done
    echo "  $label: ${shown_ms:-timeout}"
}

# Types keys (xdotool names) into the focused game window.
type_keys() {
    local window
    window="$(xdotool search --name '^Quickfigure$' | head -1)"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --delay 40 "$@"
}

# Escape on the main menu quits the game; it is killed if it has not gone in 10 seconds.
stop_game() {
    local pid
    pid="$(game_pid)"
    type_keys Escape
    for _ in $(seq 1 100); do
        [ -n "$pid" ] && [ -d "/proc/$pid" ] || return 0
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
}

echo "Start-up, launch to first menu frame on screen (ms):"
start_once "first launch (starts the Wine server unless one runs for the prefix)"
stop_game
# The server outlives a closed game by a few seconds, so these launches find it running.
for run in 1 2 3; do
    start_once "with the Wine server running, run $run"
    [ "$run" = 3 ] || stop_game
done

pid="$(game_pid)"
echo "CPU share of one core, pid $pid:"
echo "  menu, 10 s: $(cpu_share "$pid") %"
type_keys 1 1 # the menu's Play, then the setup screen's start
sleep 0.5
if [ "$(menu_pixel)" = "$menu_rgb" ]; then
    echo "  (the keys did not leave the menu; the next figure is not of play)"
fi
echo "  play (the clock running, no answers), 10 s: $(cpu_share "$pid") %"
stop_game
rm -rf "$run_dir"
