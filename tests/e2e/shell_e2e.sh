#!/usr/bin/env bash
# Runs the shell demo in a real window on a virtual X display: clicks and key presses by xdotool
# must arrive as the game's input events, and a screenshot must show the picture in its place.
set -euo pipefail
demo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config"

cat > "$work/session.sh" <<'SESSION'
set -euo pipefail
work=$1; demo=$2
openbox >/dev/null 2>&1 &
# A window mapped while the window manager is still starting can be lost, and the program
# waiting for it then waits for ever: start only once the manager has announced itself.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$demo" "$work" > "$work/events.txt" 2> "$work/stderr.txt" &
pid=$!
id=
for _ in $(seq 100); do
    if grep -q ready "$work/events.txt" 2>/dev/null; then
        id=$(xdotool search --onlyvisible --name "Tovak Marudo Shell Test" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
    fi
    sleep 0.1
done
if [ -z "$id" ]; then
    echo "no window; events:"; cat "$work/events.txt"; cat "$work/stderr.txt"
    xdotool search --name "Tovak" || true
    exit 1
fi
xdotool windowactivate --sync "$id" 2>/dev/null || true
sleep 0.5
xdotool mousemove --window "$id" 140 90 click 1
sleep 0.2
xdotool mousemove --window "$id" 300 400 click 3
sleep 0.2
xdotool key Left
sleep 0.3
xdotool key Return
sleep 0.5
import -window "$id" "$work/shot.png"
# Idle CPU of the running game over three seconds, in percent of one core.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks); sleep 3; after=$(ticks)
echo "idle cpu: $(( (after - before) * 100 / $(getconf CLK_TCK) / 3 ))%" > "$work/cpu.txt"
xdotool windowminimize "$id" 2>/dev/null || true
sleep 0.5
before=$(ticks); sleep 3; after=$(ticks)
echo "minimised cpu: $(( (after - before) * 100 / $(getconf CLK_TCK) / 3 ))%" >> "$work/cpu.txt"
kill "$pid"; wait "$pid" || true
SESSION

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$work" "$demo"

cat "$work/events.txt"
[ -n "${KEEP_SCREENSHOT:-}" ] && cp "$work/shot.png" "$KEEP_SCREENSHOT"
cat "$work/cpu.txt"
fail=0
expect() { grep -qx "$1" "$work/events.txt" || { echo "missing: $1"; fail=1; }; }
expect "input 1fff 140 90"
expect "input 2fff 140 90"
expect "input 3fff 300 400"
expect "input 4fff 300 400"
expect "input ff01 300 400"
expect "input ff02 300 400"
expect "input ff11 300 400"
expect "input ff12 300 400"
expect "timer half-second"
# Picture at (100, 50): transparent top-left quarter, green elsewhere, black around it.
near() {
    local got; got=$(convert "$work/shot.png" -crop "1x1+$1+$2" +repage -format "%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]" info:)
    read -r r g b <<< "$got"
    read -r er eg eb <<< "$3"
    if (( r - er > 2 || er - r > 2 || g - eg > 2 || eg - g > 2 || b - eb > 2 || eb - b > 2 )); then
        echo "pixel $1,$2 is $got, expected $3"; fail=1
    fi
}
near 150 90 "0 195 0"
near 110 60 "0 0 0"
near 163 97 "0 195 0"
near 164 98 "0 0 0"
near 50 50 "0 0 0"
exit $fail
