#!/usr/bin/env bash
# Latency and idle-CPU benchmark of the real program under Wine on a private Xvfb, beside
# Debian's tuxmath as a reference. A native probe (tools/latency_probe, Xlib + XTest) sends
# each input and reads the window's pixels until the change shows: median and 95th
# percentile for a menu key, a digit typed in play, a keypad click and a hover. CPU shares
# (utime + stime from /proc) cover the game, its own wine server and the X server.
# Not a test: figures depend on the machine. LATENCY_TRIALS sets the inputs per figure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

trials="${LATENCY_TRIALS:-40}"
cpu_seconds=10

scripts/install-deps.sh
source scripts/build-for-wine.sh quickfigure
source scripts/wine-env.sh

# What only this benchmark needs: the probe's X libraries and the reference game.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_install() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@" \
        >/dev/null 2>&1
}
for header in /usr/include/X11/Xlib.h /usr/include/X11/extensions/XTest.h; do
    [ -f "$header" ] || { apt_install libx11-dev libxtst-dev; break; }
done
probe="$build/latency_probe"
gcc -std=c11 -O2 -Wall -Wextra -Werror -D_GNU_SOURCE -o "$probe" \
    tools/latency_probe/latency_probe.c -lX11 -lXtst

tuxmath=/usr/games/tuxmath
[ -x "$tuxmath" ] || apt_install tuxmath || true

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -z "${WINEPREFIX:-}" ] || "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server; -displayfd writes the display number it chose.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -1 "$work/display")"

# An overlay of the prepared prefix, so the game gets a wine server of its own whose CPU
# time is the game's alone (as the end-to-end harness does).
shared_prefix="$WINEPREFIX"
export WINEPREFIX="$work/prefix"
mkdir -p "$WINEPREFIX/dosdevices"
for f in system.reg user.reg userdef.reg .update-timestamp; do
    cp "$shared_prefix/$f" "$WINEPREFIX/"
done
ln -s "$(cd "$shared_prefix" && pwd)/drive_c" "$WINEPREFIX/drive_c"
ln -s ../drive_c "$WINEPREFIX/dosdevices/c:"
ln -s / "$WINEPREFIX/dosdevices/z:"

# CPU ticks (utime + stime) of the given processes together.
cpu_ticks() {
    local total=0 pid
    for pid in "$@"; do
        total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat")))
    done
    echo "$total"
}

# Prints the CPU share over cpu_seconds of the game alone and of the game with the other
# processes given (its servers), measured over the same seconds.
cpu_shares() {
    local label="$1" game="$2" game_before all_before game_after all_after
    shift 2
    game_before="$(cpu_ticks "$game")"
    all_before="$(cpu_ticks "$game" "$@")"
    sleep "$cpu_seconds"
    game_after="$(cpu_ticks "$game")"
    all_after="$(cpu_ticks "$game" "$@")"
    share "$label, game alone" $((game_after - game_before))
    share "$label, with $servers" $((all_after - all_before))
}

share() {
    awk -v t="$2" -v hz="$(getconf CLK_TCK)" -v s="$cpu_seconds" -v l="$1" \
        'BEGIN {printf "%-38s %5.1f %% of one core\n", l, 100 * t / hz / s}'
}

resident() { awk '/VmRSS/ {printf "%-38s %5.0f MB\n", "resident memory", $2 / 1024}' "/proc/$1/status"; }

# The wine server of the private prefix: its working folder is named after the prefix's
# device and inode.
wineserver_pid() {
    local key pid
    key="$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
    for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
        if [ "$(basename "$(readlink "/proc/$pid/cwd")")" = "$key" ]; then
            echo "$pid"
            return
        fi
    done
}

wait_window() {
    local id=""
    for _ in $(seq 1 300); do
        id="$(xdotool search --name "$1" 2>/dev/null | head -1 || true)"
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "no window named $1" >&2; exit 1; }
    echo "$id"
}

key() { xdotool key --delay 150 "$@"; sleep 0.4; }

# Places below are client pixels of the 640 x 480 screens: the menu entries, the problem's
# answer row (below the problem's rule) and the keypad's "1"; (3, 477) touches no control.
quickfigure() {
    cp "$build/quickfigure.exe" "$work/"
    (cd "$work" && "$WINE_BIN" quickfigure.exe </dev/null >/dev/null 2>&1 &)
    local window pid server
    window="$(wait_window '^Quickfigure$')"
    sleep 2
    xdotool windowfocus --sync "$window"
    xdotool mousemove --window "$window" 3 477
    pid="$(xdotool getwindowpid "$window")"
    server="$(wineserver_pid)"
    echo "Quickfigure ($build/quickfigure.exe under $("$WINE_BIN" --version)):"
    servers="wine server + X"
    cpu_shares "CPU idle on the menu" "$pid" "$server" "$xvfb_pid"
    "$probe" --window "$window" --trials "$trials" --label "menu key (2, then 0 back)" \
        --watch 260,225,120,100 --key 2 --back-key 0 --measure-back
    "$probe" --window "$window" --trials "$trials" --label "hover (onto Options and off)" \
        --watch 190,252,260,24 --move 320,263 --back-move 3,477 --measure-back
    # Hard, multiplication only: the first problem almost always has a two-digit result,
    # so a typed digit waits on screen for Backspace instead of being judged.
    key 1 4 5 6 8 1
    cpu_shares "CPU in play (clock running)" "$pid" "$server" "$xvfb_pid"
    "$probe" --window "$window" --trials "$trials" --label "digit typed in play (1)" \
        --watch 140,335,110,60 --key 1 --back-key BackSpace --settle-ms 40
    "$probe" --window "$window" --trials "$trials" --label "keypad click (1)" \
        --watch 140,335,110,60 --before-move 420,357 --click 420,357 --back-key BackSpace \
        --settle-ms 40
    resident "$pid"
    "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
}

# The reference: TuxMath's main menu, windowed at 640 x 480 without sound. Down and Up move
# the highlight between its first two entries; their text is watched (not the icons, which
# animate). Then into play by keys, the mouse parked clear of the entries (which leaves no
# entry highlighted until Down): Play Alone, the Training Academy, its second mission (sums
# of 1 to 3), whose first comets take longer than the CPU figure to reach the igloos.
tux() {
    if [ ! -x "$tuxmath" ]; then
        echo "TuxMath: not measured (Debian's tuxmath could not be installed)"
        return
    fi
    mkdir -p "$work/home"
    HOME="$work/home" "$tuxmath" --windowed --nosound </dev/null >/dev/null 2>&1 &
    local pid=$! window
    window="$(wait_window '^Tux, of Math Command$')"
    sleep 4
    xdotool windowfocus --sync "$window"
    echo "TuxMath $(dpkg-query -W -f='${Version}' tuxmath) (native SDL):"
    servers="X"
    cpu_shares "CPU idle on the menu" "$pid" "$xvfb_pid"
    "$probe" --window "$window" --trials "$trials" --label "menu key (Down, then Up back)" \
        --watch 330,130,220,100 --key Down --back-key Up --measure-back
    "$probe" --window "$window" --trials "$trials" --label "hover (entry 2, then entry 1)" \
        --watch 330,130,220,100 --move 420,214 --back-move 420,148 --measure-back
    resident "$pid"
    xdotool mousemove --window "$window" 3 477
    key Down Return
    sleep 1
    key Return
    sleep 1
    key Down Return
    sleep 3
    cpu_shares "CPU in play (a training mission)" "$pid" "$xvfb_pid"
    kill "$pid" 2>/dev/null || true
}

echo "Key to screen in ms (median, 95th percentile, slowest), $trials inputs each way;"
echo "CPU over $cpu_seconds s. Load on this machine during the run: $(cut -d' ' -f1-3 /proc/loadavg)"
quickfigure
tux
