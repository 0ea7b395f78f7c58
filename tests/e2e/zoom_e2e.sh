#!/usr/bin/env bash
# The window's zoom on a 2048x1536 virtual screen: the first start shows the game at 2x (the
# largest zoom within four fifths of the desktop); Ctrl+0, Ctrl+Plus and Ctrl+Minus resize it in
# steps; at 2x every game pixel is a sharp 2x2 block and the start button, clicked at its 2x
# place, starts level 1; the title bar drags the window by screen pixels; full screen and back
# keeps the zoom; the close button at its 2x place ends the game, and the next start comes back
# at the zoom last chosen. Screenshots of failed checks are kept in ./zoom_e2e_failures (or
# $E2E_FAILURES).
#
#   zoom_e2e.sh GAME_FOLDER SOLUTION_PATH_PROGRAM
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    dist=${1:?game folder}
    solver=${2:?solution_path program}
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -a "$dist" "$work/game"
    rm -f "$work/game/Rest.pa" "$work/game/st.data"
    mkdir -p "$work/home" "$work/config" "$work/data" "$work/shots"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
    failures=${E2E_FAILURES:-$PWD/zoom_e2e_failures}
    rm -f "$failures"/failed-*.png "$failures/game.log"
    xvfb-run -a -s "-screen 0 2048x1536x24" "$0" --session "$work" "$solver"
    status=$?
    if [ "$status" -ne 0 ]; then
        mkdir -p "$failures"
        cp "$work"/shots/failed-*.png "$failures/" 2>/dev/null
        cp "$work/game.log" "$failures/" 2>/dev/null
        echo "screenshots of the failed checks: $failures"
    fi
    exit "$status"
fi

work=$2
solver=$3
game=$work/game
ui=$game/Graphic/UI
failed=0

shot_ext=png
source "$(dirname "$0")/checks.sh"

alive() {
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        note "FAILED: the game ended early with exit code $?"
        cat "$work/game.log"
        exit 1
    fi
}

# Sets WIDTH, HEIGHT, X and Y of the game's window.
geometry() { eval "$(xdotool getwindowgeometry --shell "$id")"; }
window_is() {
    geometry
    [ "${WIDTH}x${HEIGHT}" = "$1" ] && return 0
    echo "    the window is ${WIDTH}x${HEIGHT}"
    return 1
}
window_at() {
    geometry
    [ "$X,$Y" = "$1" ] && return 0
    echo "    the window is at $X,$Y"
    return 1
}

# Every 2x2 block of the screenshot is one colour: no smoothing, no seams.
sharp_at_twice() {
    local differing
    differing=$(convert "$shot" -sample 50% -sample 200% "$shot" -metric AE -compare \
        -format '%[distortion]' info: 2>&1)
    [ "$differing" = 0 ] && return 0
    echo "    $differing pixels differ from their 2x2 block"
    return 1
}

# shows_at_twice X Y W H IMAGE: the rectangle (frame coordinates) shows the image's same
# rectangle, each pixel doubled; RGB565 rounding is within the fuzz.
shows_at_twice() {
    local differing
    differing=$(convert \( "$shot" -sample 50% -crop "$3x$4+$1+$2" +repage \) \
        \( "$5" -crop "$3x$4+$1+$2" +repage \) -fuzz 4% -metric AE -compare \
        -format '%[distortion]' info: 2>&1)
    [ "$differing" = 0 ] && return 0
    echo "    $3x$4+$1+$2 of $(basename "$5"): $differing pixels differ"
    return 1
}
menu_shows() { shows_at_twice 100 250 100 80 "$ui/youxijiemian.bmp"; }
not_menu() { ! menu_shows > /dev/null; }
# The empty cells of level 1 show the desk.
level1_shows() {
    local x y
    while read -r _ x y; do
        shows_at_twice $((x - 15)) $((y - 15)) 30 30 "$ui/desk.bmp" || return 1
    done < <(grep '^empty' "$work/level1.txt")
}

setting() { sed -n "s/^$1=//p" "$game/set.ini" | tr -d '\r'; }
has_setting() { [ "$(setting "$1")" = "$2" ] || { echo "    $1=$(setting "$1")"; return 1; }; }

key() {
    alive
    xdotool key --window "$id" "$1"
}

start_game() {
    note "start the game"
    "$game/tovak-marudo" > "$work/game.log" 2>&1 &
    pid=$!
    id=
    # A loaded machine may take a while to start the game on a large screen.
    local deadline=$((${EPOCHREALTIME/./} + 30000000))
    while (( ${EPOCHREALTIME/./} < deadline )); do
        id=$(xdotool search --onlyvisible --name '^Tovak Marudo$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        alive
        sleep 0.05
    done
    [ -n "$id" ] || { note "FAILED: no window named Tovak Marudo"; cat "$work/game.log"; exit 1; }
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
}

# ---------------------------------------------------------------------------------------------
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$solver" "$game/Board/1.dat" > "$work/level1.txt" || exit 1

start_game
wait_for "a first start shows the window at 2x: 1600x1200" 5 window_is 1600x1200
wait_for "the menu is drawn at 2x" 10 menu_shows

key ctrl+0
wait_for "Ctrl+0: 800x600" 5 window_is 800x600
wait_for "set.ini keeps zoom=100" 3 has_setting zoom 100
key ctrl+plus
wait_for "Ctrl+Plus: 1200x900" 5 window_is 1200x900
snap zoom150
key ctrl+KP_Add
wait_for "keypad Plus: 1600x1200" 5 window_is 1600x1200
wait_for "set.ini keeps zoom=200" 3 has_setting zoom 200
wait_for "every game pixel is a sharp 2x2 block" 5 sharp_at_twice
wait_for "the menu's background is where it was, at twice the size" 5 menu_shows
cp "$shot" "$work/shots/menu200.png"

note "drag the window by its title bar"
geometry
from="$X,$Y"
alive
xdotool mousemove --window "$id" 600 20 mousedown 1
# The window follows from where the pointer is when the move starts, a moment after the press.
sleep 0.5
xdotool mousemove_relative --sync 60 40
sleep 0.3
xdotool mousemove_relative --sync 40 10
sleep 0.3
xdotool mouseup 1
wait_for "the window moved 100,50 screen pixels from $from" 5 \
    window_at "$(( ${from%,*} + 100 )),$(( ${from#*,} + 50 ))"

note "the start button at its 2x place"
alive
xdotool mousemove --window "$id" 852 940 click 1
wait_for "level 1 is on the board" 10 level1_shows
cp "$shot" "$work/shots/board200.png"

key alt+Return
wait_for "full screen covers the screen" 5 window_is 2048x1536
key alt+Return
wait_for "back in a window at 2x" 5 window_is 1600x1200
wait_for "the board is still shown, sharp" 5 level1_shows

key ctrl+minus
wait_for "Ctrl+Minus: 1200x900" 5 window_is 1200x900
wait_for "set.ini keeps zoom=150" 3 has_setting zoom 150

note "the close button at its 1.5x place"
alive
xdotool mousemove --window "$id" 1143 18 click 1
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    note "FAILED: still running 10 s after the close button"
    kill "$pid"
    failed=$((failed + 1))
else
    wait "$pid" || { note "FAILED: exit code $?"; failed=$((failed + 1)); }
fi

start_game
wait_for "the next start comes back at 1.5x: 1200x900" 5 window_is 1200x900
key ctrl+0
wait_for "and Ctrl+0 still gives 800x600" 5 window_is 800x600
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

if [ "$failed" -ne 0 ]; then
    note "$failed check(s) failed"
    exit 1
fi
note "all checks passed"
