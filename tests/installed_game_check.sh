#!/usr/bin/env bash
# The installed game, started from an unrelated folder with a fresh home (run it under xvfb-run): the
# window appears, a new game loads a puzzle from the installed collections, a save lands in the
# player's data folder, and the install tree is left as it was. With games as PROGRAM_FOLDER the
# programs are installed in games/, as the Debian package has them; else in bin/.
# Usage: installed_game_check.sh CMAKE BUILD_FOLDER [PROGRAM_FOLDER]
set -u
cmake=$1 build=$2 programs=${3:-bin}
work=$(mktemp -d)
pid=
fail() {
    echo "installed game: $*"
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    exit 1
}
DESTDIR=$work/dest "$cmake" -DCMAKE_INSTALL_PREFIX=/usr -DQUINTARO_PROGRAM_DIR="$programs" -P "$build/cmake_install.cmake" >/dev/null ||
    fail "the install failed"
tree() { (cd "$work/dest" && find . -type f -exec md5sum {} + | sort); }
before=$(tree)
mkdir -p "$work/home" "$work/elsewhere"
cd "$work/elsewhere"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" "$work/dest/usr/$programs/quintaro" &
pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name Quintaro | head -n 1)
[ -n "$window" ] || fail "no window named Quintaro within 10 seconds"
# Waits until the game shows n windows: the main window and an open menu or dialog.
await_windows() {
    for _ in $(seq 60); do
        [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq "$1" ] && return 0
        sleep 0.05
    done
    return 1
}
# The menu bar takes choices once the game has added it and handled what came before.
opened=
for _ in $(seq 20); do
    xdotool key alt+q
    if await_windows 2; then opened=yes; break; fi
done
[ -n "$opened" ] || fail "Alt+Q opened no menu"
xdotool key n
await_windows 1 || fail "the menu did not close"
xdotool key s
await_windows 2 || fail "S opened no save dialog"
xdotool key 1
await_windows 1 || fail "the save dialog did not close"
saved=$work/home/.local/share/Norvik/quintaro/brett.qbr
for _ in $(seq 40); do [ -f "$saved" ] && break; sleep 0.05; done
[ -f "$saved" ] || fail "no brett.qbr in the player's data folder"
"$work/dest/usr/$programs/qbr" show "$saved" 0 | head -n 1 | grep -q "130 givens, 0 entries, 0 candidate flags, clock running" ||
    fail "the saved board is not a new Leicht game: $("$work/dest/usr/$programs/qbr" show "$saved" 0 | head -n 1)"
kill "$pid"
wait "$pid" 2>/dev/null
[ "$(tree)" = "$before" ] || fail "the install tree changed"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
rm -rf "$work"
echo "installed game ($programs/): a new game from the installed collections, saved into the player's data folder"
