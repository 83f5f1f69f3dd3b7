#!/usr/bin/env bash
# Plays the real game by xdotool on an X server without a window manager (run it under xvfb-run): a new
# game chosen by the menu keys, symbols typed into clicked cells, Abbruch and Escape, then "Beenden" with
# its question answered NEIN, then JA.
# Usage: smoke_play.sh path/to/quintaro, from the folder that holds the collections.
set -u
game=$1
pid=
start=$PWD

fail() {
    echo "smoke: $*"
    [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null && echo "smoke: the game is not running"
    if command -v import >/dev/null; then
        import -window root "$start/smoke_failure.png" 2>/dev/null && echo "smoke: the screen is in $start/smoke_failure.png"
    fi
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    exit 1
}

alive() { kill -0 "$pid" 2>/dev/null || fail "the game ended by itself after: $1"; }

# Waits up to three seconds until the game shows n windows: the main window and an open menu or dialog.
await_windows() {
    for _ in $(seq 60); do
        [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

# Opens "Quintaro" by Alt+Q, chooses the item of the letter and waits until the game shows n windows
# (1 unless given; 2 while a dialog is open). The menu bar stays off until the game has handled the
# input before, so Alt+Q is tried again while no menu opens.
choose() {
    for _ in 1 2 3; do
        xdotool key alt+q
        if await_windows 2; then
            xdotool key "$1"
            await_windows "${2:-1}" || fail "the game did not show $((${2:-1})) window(s) after the letter $1"
            return
        fi
    done
    fail "Alt+Q opened no menu (before the letter $1)"
}

# Clicks with the button at (x, y) in the client area.
click() { xdotool mousemove $((left + $1)) $((top + $2)) click "$3"; }

# Clicks the middle of cell (c, r) of grid 0 (the top one) and types the digit.
enter() {
    click $((213 + 33 * ($1 - 1) + 16)) $((15 + 33 * ($2 - 1) + 16)) 1
    xdotool key "$3"
}

# The game plays in a folder of its own with a copy of the collections, its settings in another: what it
# keeps at quit touches neither the build folder's files nor the settings of whoever runs the tests.
own=$(mktemp -d)
trap 'rm -rf "$own"' EXIT
mkdir "$own/play" "$own/config"
cp ./*.qbr ./*.htm "$own/play/" || fail "no collections in $PWD"
cd "$own/play" || fail "cannot enter $own/play"
game=$(command -v "$game" || echo "$game")
XDG_CONFIG_HOME="$own/config" "$game" &
pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name Quintaro | head -n 1)
[ -n "$window" ] || fail "no window named Quintaro within 10 seconds"
# The window is shown before the game adds its menu bar: wait until it has grown by the bar. The client
# area is 787 pixels high; the menu bar takes what the window has above it.
HEIGHT=0
for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$HEIGHT" -gt 787 ] && break
    sleep 0.05
done
[ "$HEIGHT" -gt 787 ] || fail "the window got no menu bar within 5 seconds"
left=$X
top=$((Y + HEIGHT - 787))
xdotool mousemove $((left + 500)) $((top + 300))

choose n
enter 1 4 5
enter 2 4 3
enter 3 4 8
# A right click on an empty cell opens the chooser for a candidate mark.
click $((213 + 33 * 4 + 16)) $((15 + 33 * 4 + 16)) 3
xdotool key 7
alive "the first game's moves"
click 650 740 1 # Abbruch

choose n
enter 9 5 2
alive "the second game's move"
xdotool key Escape

# Beenden asks first: NEIN keeps the game, JA ends it. Without a window manager only the game can give
# the keyboard back to its window after the question, so the second Alt+Q also checks that it does.
choose b 2
xdotool key n
await_windows 1 || fail "the quit question stayed open after NEIN"
alive "NEIN to the quit question"
choose b 2
xdotool key j
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running five seconds after JA to the quit question"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status"
[ -s spielstand.qsp ] || fail "the game left unsolved was not kept"
[ -s "$own/config/quintaro/quintaro.conf" ] || fail "no settings were written"
echo "smoke: played two games and quit cleanly, the unsolved one kept"
