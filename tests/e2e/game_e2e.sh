#!/usr/bin/env bash
# Plays the real game from a fresh copy of its folder on a virtual X display with a window
# manager: menu, music, start, level 1 solved by clicks, win panel and Rest.pa, full screen and
# back with the panel up, next level, level 2 solved and a name typed into the table with Enter,
# leave dialog, settings, full screen and back, the close button, a restart that goes on with
# level 3 and the changed setting, and, with the progress removed and slides slowed down
# (TOVAK_SLIDE_MS), level 1 won with Tab and the arrow keys alone, one slide photographed twice on
# its way. Every step says what it checks; the screenshots of failed checks are kept in
# ./game_e2e_failures (or $E2E_FAILURES).
#
# With --read-only the game folder is made read-only and the game runs as an ordinary user (uid
# 65534 when the test runs as root): its progress, settings and table must then live in
# $XDG_DATA_HOME/tovak-marudo/ and survive the restart.
#
# With --installed the game comes from a Debian package unpacked into a read-only root and is
# played as with --read-only, more briefly: level 1 won, a restart goes on with level 2, the
# player's files are in $XDG_DATA_HOME/tovak-marudo/ and nothing under the root changed.
#
#   game_e2e.sh [--read-only] GAME_FOLDER SOLUTION_PATH_PROGRAM
#   game_e2e.sh --installed PACKAGE.deb SOLUTION_PATH_PROGRAM
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    read_only=0
    scenario=full
    if [ "${1:-}" = --read-only ]; then
        read_only=1
        shift
    elif [ "${1:-}" = --installed ]; then
        read_only=1
        scenario=installed
        shift
    fi
    dist=${1:?game folder or package}
    solver=${2:?solution_path program}
    work=$(mktemp -d)
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
    if [ "$scenario" = installed ]; then
        # The package's tree as installed, under a root of its own; the game finds its data
        # relative to its program.
        dpkg-deb -x "$dist" "$work/root" || exit 1
        tree=$work/root
        game=$tree/usr/share/games/tovak-marudo
        program=$tree/usr/games/tovak-marudo
    else
        # A fresh copy without a player's progress: the game starts on level 1.
        cp -a "$dist" "$work/game"
        rm -f "$work/game/Rest.pa" "$work/game/st.data" "$work/game/records.dat"
        tree=$work/game
        game=$tree
        program=$game/tovak-marudo
    fi
    mkdir -p "$work/home" "$work/config" "$work/shots" "$work/data" "$work/audio"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio/out.raw"
    player=$game
    if [ "$read_only" -eq 1 ]; then
        player=$XDG_DATA_HOME/tovak-marudo
        chmod -R a-w "$tree"
        chmod 755 "$work"
        # The player owns their home, data and sound output, and nothing else here.
        [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$work/home" "$work/config" "$work/data" \
            "$work/audio"
    fi
    # Screenshots of an earlier run would be taken for this one's.
    failures=${E2E_FAILURES:-$PWD/game_e2e_failures}
    rm -f "$failures"/failed-*.png "$failures/game.log"
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$work" "$solver" "$read_only" \
        "$player" "$game" "$program" "$tree" "$scenario"
    status=$?
    if [ "$status" -ne 0 ]; then
        mkdir -p "$failures"
        for shot in "$work"/shots/failed-*.ppm; do
            [ -e "$shot" ] || continue
            convert "$shot" "$failures/$(basename "${shot%.ppm}").png"
        done
        cp "$work/game.log" "$failures/" 2>/dev/null
        echo "screenshots of the failed checks: $failures"
    fi
    exit "$status"
fi

work=$2
solver=$3
read_only=$4
# Where the game keeps Rest.pa, set.ini and st.data.
player=$5
# The game folder, the program, the tree that holds both (which a read-only run must leave as it
# is), and which play: full or installed.
game=$6
program=$7
tree=$8
scenario=$9
failed=0
mkdir -p "$work/cache"
# The system's interpreter: it starts at once, where a version manager's wrapper may not.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

# ---------------------------------------------------------------------------------------------
# Pixel checks. The game draws RGB565; the expected colour of an image pixel is that colour
# after the 565 round trip, within 2 per channel. Magenta (colour-key) pixels are not compared.
cat > "$work/pixels.py" <<'PY'
import os, subprocess, sys

images = {}

# Screenshots are PPM already; each game image is converted once and kept beside them.
def ppm_bytes(path):
    if path.endswith(".ppm"):
        return open(path, "rb").read()
    cached = os.path.join(os.environ["PIXEL_CACHE"], path.replace("/", "_") + ".ppm")
    if not os.path.exists(cached):
        subprocess.run(["convert", path, "-depth", "8", "ppm:" + cached], check=True)
    return open(cached, "rb").read()

def load(path):
    if path not in images:
        data = ppm_bytes(path)
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            sys.exit("%s: not an 8-bit PPM" % path)
        images[path] = (int(fields[1]), int(fields[2]), data[pos + 1:])
    return images[path]

def pixel(image, x, y):
    w, h, rgb = image
    if not (0 <= x < w and 0 <= y < h):
        return None
    i = 3 * (y * w + x)
    return tuple(rgb[i:i + 3])

def rgb565(c):
    def q(v, bits):
        k = v >> (8 - bits)
        return (k << (8 - bits)) | (k >> (2 * bits - 8))
    return (q(c[0], 5), q(c[1], 6), q(c[2], 5))

def near(a, b):
    return a is not None and all(abs(p - q) <= 2 for p, q in zip(a, b))

def match(shot, x, y, w, h, source, sx, sy):
    image, compared, bad, first = load(source), 0, 0, None
    for j in range(h):
        for i in range(w):
            want = pixel(image, sx + i, sy + j)
            if want is None or want == (255, 0, 255):
                continue
            compared += 1
            got = pixel(shot, x + i, y + j)
            if not near(got, rgb565(want)):
                bad += 1
                first = first or (x + i, y + j, got, rgb565(want))
    if compared and not bad:
        return True
    where = "%d,%d %dx%d" % (x, y, w, h)
    if not compared:
        print("    %s: nothing to compare in %s at %d,%d" % (where, source, sx, sy))
    else:
        print("    %s vs %s at %d,%d: %d of %d pixels differ; first at %d,%d: got %s, want %s"
              % ((where, source, sx, sy, bad, compared) + first))
    return False

def differ(shot, x, y, w, h, other):
    before = load(other)
    for j in range(h):
        for i in range(w):
            if not near(pixel(shot, x + i, y + j), pixel(before, x + i, y + j)):
                return True
    print("    %d,%d %dx%d is the same as in %s" % (x, y, w, h, other))
    return False

shot, ok = load(sys.argv[1]), len(sys.argv) > 2
for check in sys.argv[2:]:
    words = check.split()
    numbers = [int(v) for v in words[1:5]]
    if words[0] == "match":
        ok &= match(shot, *numbers, words[5], int(words[6]), int(words[7]))
    elif words[0] == "differ":
        ok &= differ(shot, *numbers, words[5])
sys.exit(0 if ok else 1)
PY

shot_ext=ppm
source "$(dirname "$0")/checks.sh"

# check_saved WHAT NAME COMMAND...: runs COMMAND once on the earlier screenshot shots/NAME.ppm.
check_saved() {
    local what=$1 output
    shot=$work/shots/$2.ppm
    shift 2
    note "check: $what"
    if output=$("$@" 2>&1); then
        return 0
    fi
    failed=$((failed + 1))
    cp "$shot" "$work/shots/failed-$failed.ppm"
    note "FAILED: $what (screenshot failed-$failed)"
    [ -n "$output" ] && echo "$output"
    return 1
}

# The game must still be running for any later step to mean something.
alive() {
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        note "FAILED: the game ended early with exit code $?"
        cat "$work/game.log"
        exit 1
    fi
}

# pixels CHECK...: each check "match X Y W H IMAGE SX SY" (the window's rectangle shows the
# image's) or "differ X Y W H SHOT" (it differs from an earlier screenshot).
pixels() { PIXEL_CACHE="$work/cache" "$python" "$work/pixels.py" "$shot" "$@"; }

click() {
    alive
    xdotool mousemove --window "$id" "$1" "$2" click 1
    sleep 0.1
}

ui=$game/Graphic/UI
menu=$ui/youxijiemian.bmp
# Patches of the menu background that no button, logo or dialog covers.
menu_patches() {
    pixels "match 100 250 100 80 $menu 100 250" "match 560 280 150 80 $menu 560 280" \
        "match 250 70 240 80 $menu 250 70" "match 20 400 120 80 $menu 20 400" \
        "match 240 180 320 40 $menu 240 180"
}

# The four digit cells of the step counter, right edge at x 579; digit n is frame n + 1 of the
# 8x15 digit strip.
counter_checks() {
    local digits
    printf -v digits '%04d' "$1"
    for slot in 0 1 2 3; do
        echo "match $((547 + 8 * slot)) 72 8 15 $ui/sfx_zi.bmp $((8 * ${digits:slot:1})) 0"
    done
}

# The board shows a level as the solver's listing describes it: portraits at the pieces' anchor
# cells, the desk at the empty cells; and the step counter shows a number.
board_shows() {
    local checks
    mapfile -t checks < <(
        awk -v ui="$ui" '
            $1 == "piece" { printf "match %d %d 30 30 %s/%s 34 32\n", $2 - 15, $3 - 15, ui, $4 }
            $1 == "empty" { printf "match %d %d 30 30 %s/desk.bmp %d %d\n", $2 - 15, $3 - 15, ui, $2 - 15, $3 - 15 }
        ' "$1"
        counter_checks "$2")
    pixels "${checks[@]}"
}

counter_shows() {
    local checks
    mapfile -t checks < <(counter_checks "$1")
    pixels "${checks[@]}"
}

first_row_is() {
    local got
    got=$(od -An -tx1 -N18 "$player/st.data" 2>/dev/null | xargs)
    [ "$got" = "$1" ] && return 0
    echo "    st.data begins with: $got"
    return 1
}
entry_gone() { ! pixels "match 225 100 350 60 $ui/pinput.bmp 0 0" > /dev/null; }

setting() { sed -n "s/^$1=//p" "$player/set.ini" | tr -d '\r'; }
has_setting() { [ "$(setting "$1")" = "$2" ]; }

audible() {
    "$python" -c 'import sys; d = open(sys.argv[1], "rb").read(); sys.exit(0 if d.strip(b"\0") else 1)' \
        "$SDL_DISKAUDIOFILE"
}

window_size() { xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
fullscreen_state() { xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -c _NET_WM_STATE_FULLSCREEN; }
# window_is SIZE [full|window]: the window's size and, when given, its full-screen state.
window_is() {
    local size state
    size=$(window_size)
    state=$( (( $(fullscreen_state) )) && echo full || echo window)
    [ "$size" = "$1" ] && [ "${2:-$state}" = "$state" ] && return 0
    echo "    the window is $size, state: $state"
    return 1
}
# Whether a window manager has announced itself on this display.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
# Full screen: the manager's full-screen state, or a window covering the screen.
is_fullscreen() {
    (( $(fullscreen_state) )) && return 0
    window_is 1024x768 && return 0
    # What the window manager was given, for a failure that does not repeat.
    echo "    window manager: $(wm_running && echo running || echo gone)"
    xprop -id "$id" WM_NORMAL_HINTS _NET_WM_ALLOWED_ACTIONS 2>&1 | sed 's/^/    /'
    return 1
}
# The 800x600 picture is scaled up to the 1024x768 screen: strips at its left and right edges,
# which stay black when it is shown unscaled in the middle, show the menu's background.
fills_screen() {
    local strip mean
    window_is 1024x768 || return 1
    for strip in 40x200+0+300 40x200+984+300; do
        mean=$(convert "$shot" -crop "$strip" +repage -format '%[fx:int(255*mean)]' info:)
        (( mean > 40 )) || { echo "    strip $strip has mean $mean: black border"; return 1; }
    done
}

# ---------------------------------------------------------------------------------------------
openbox >/dev/null 2>&1 &
# A window mapped while the window manager is still starting can be lost.
for _ in $(seq 100); do
    wm_running && break
    sleep 0.1
done

"$solver" "$game/Board/1.dat" > "$work/level1.txt" || exit 1
"$solver" "$game/Board/2.dat" > "$work/level2.txt" || exit 1
"$solver" "$game/Board/3.dat" > "$work/level3.txt" || exit 1
steps1=$(awk '$1 == "steps" { print $2 }' "$work/level1.txt")

# Starts the game and waits for its window; read-only runs start it as an ordinary user, who
# gets a copy of this display's key.
launch=("$program")
if [ "$read_only" -eq 1 ] && [ "$(id -u)" -eq 0 ]; then
    cp "${XAUTHORITY:?}" "$work/xauth" && chown 65534:65534 "$work/xauth"
    launch=(env XAUTHORITY="$work/xauth" setpriv --reuid 65534 --regid 65534 --clear-groups
            "$program")
fi
start_game() {
    note "start: ${launch[*]}"
    # Every start's output is kept: a failure may be an earlier run's.
    note "start: ${launch[*]}" >> "$work/game.log"
    "${launch[@]}" >> "$work/game.log" 2>&1 &
    pid=$!
    find_game_window 10
    if [ -z "$id" ]; then
        note "FAILED: no window named Tovak Marudo"
        cat "$work/game.log"
        exit 1
    fi
}


# The read-only run's last check, then the verdict; ends the script.
finish() {
    if [ "$read_only" -eq 1 ]; then
        note "check: nothing was written to the game's tree"
        if [ -n "$(find "$tree" -newer "$work/level1.txt" -print -quit)" ]; then
            note "FAILED: the game's tree changed:"
            find "$tree" -newer "$work/level1.txt" | sed 's/^/    /'
            failed=$((failed + 1))
        fi
    fi
    if [ "$failed" -ne 0 ]; then
        note "$failed check(s) failed; the game's output:"
        cat "$work/game.log"
        exit 1
    fi
    note "all checks passed"
    exit 0
}

start_game

wait_for "the window is 800x600" 1 window_is 800x600 window
wait_for "the main menu shows its background" 10 menu_patches
sleep 3
wait_for "music plays on the menu: $SDL_DISKAUDIOFILE holds non-zero samples" 3 audible

note "start the game"
click 426 470
wait_for "level 1 is on the board with 0 steps" 5 board_shows "$work/level1.txt" 0
cp "$shot" "$work/shots/level1.ppm"

note "solve level 1 in $steps1 steps"
while read -r _ x y; do
    click "$x" "$y"
done < <(grep '^click' "$work/level1.txt")
# The win panel above the wells in which the steps taken and the fewest possible are written.
wait_for "the win panel shows" 5 pixels "match 255 150 304 130 $ui/guog.bmp 0 0"
wait_for "the step counter shows $steps1" 2 counter_shows "$steps1"
wait_for "Rest.pa lists level 1 alone" 2 \
    test "$(od -An -t d4 "$player/Rest.pa" 2>/dev/null | xargs)" = "1 1"

if [ "$scenario" = installed ]; then
    note "close, restart: the game goes on with level 2"
    close_game
    start_game
    wait_for "the main menu shows its background" 10 menu_patches
    click 426 470
    wait_for "level 2 is on the board with 0 steps" 5 board_shows "$work/level2.txt" 0
    close_game
    finish
fi

note "Alt+Enter twice with the win panel up"
alive
xdotool key alt+Return
wait_for "the window goes full screen" 5 is_fullscreen
alive
xdotool key alt+Return
wait_for "the window comes back at 800x600" 5 window_is 800x600 window
wait_for "the win panel is still up" 5 pixels "match 255 150 304 130 $ui/guog.bmp 0 0"

note "next level"
click 340 349
wait_for "level 2 is on the board with 0 steps" 5 board_shows "$work/level2.txt" 0
wait_for "the board differs from level 1's" 1 pixels "differ 14 36 392 470 $work/shots/level1.ppm"
cp "$shot" "$work/shots/level2.ppm"

note "solve level 2, close the win panel, enter a name with Enter"
while read -r _ x y; do
    click "$x" "$y"
done < <(grep '^click' "$work/level2.txt")
wait_for "the win panel shows" 5 pixels "match 255 150 304 130 $ui/guog.bmp 0 0"
click 492 349
wait_for "the name entry shows" 5 pixels "match 225 100 350 60 $ui/pinput.bmp 0 0"
alive
xdotool type --delay 50 abc
xdotool key Return
# Two levels won since the start, then "abc" and zero bytes: no carriage return in the name.
row="02 00 00 00 61 62 63 00 00 00 00 00 00 00 00 00 00 00"
wait_for "st.data's first row holds 2 and \"abc\"" 3 first_row_is "$row"
wait_for "the name entry closed" 3 entry_gone

note "Escape, then Enter"
alive
xdotool key Escape
wait_for "the leave dialog opens" 5 pixels "match 248 178 304 140 $game/Graphic/setting/leave_lable.bmp 0 0"
wait_for "the board behind the dialog is dimmed" 1 pixels "differ 14 36 200 100 $work/shots/level2.ppm"
xdotool key Return
wait_for "Enter returns to the main menu" 5 menu_patches

note "settings"
music=$(setting music)
if [ "${music:-1}" -eq 0 ]; then
    failed=$((failed + 1))
    note "FAILED: set.ini holds music=0 already, so the drag to 0 would prove nothing"
fi
click 415 557
wait_for "the settings dialog opens" 5 pixels "match 223 158 354 125 $game/Graphic/setting/m_set_node.bmp 0 0"
knob_x=$((223 + 95 + ${music:-1} * 14 + 12))
knob_y=$((158 + 180 + 12))
alive
# A knob stops following once the pointer leaves it, so the pointer moves in small steps.
drag=(mousemove --window "$id" "$knob_x" "$knob_y" mousedown 1)
for x in $(seq "$knob_x" -4 $((223 + 95 + 4))); do
    drag+=(sleep 0.01 mousemove --window "$id" "$x" "$knob_y")
done
xdotool "${drag[@]}" sleep 0.05 mouseup 1
wait_for "the music knob stands at the left end of its track" 3 \
    pixels "match 318 338 24 24 $ui/drag.bmp 0 0"
click 343 412
wait_for "set.ini holds music=0 (was ${music:-unset})" 3 has_setting music 0
wait_for "OK closes the dialog" 3 menu_patches

note "Alt+Enter"
alive
xdotool key alt+Return
wait_for "the window goes full screen" 5 is_fullscreen
wait_for "set.ini holds fullscreen=1" 2 has_setting fullscreen 1
wait_for "the picture fills the screen" 5 fills_screen
alive
xdotool key alt+Return
wait_for "the window comes back at 800x600" 5 window_is 800x600 window
wait_for "set.ini holds fullscreen=0" 2 has_setting fullscreen 0
wait_for "the main menu shows again" 10 menu_patches

note "close button"
close_game

note "restart: the game goes on where it stopped"
start_game
wait_for "the main menu shows its background" 10 menu_patches
click 426 470
wait_for "level 3 is on the board with 0 steps" 5 board_shows "$work/level3.txt" 0
alive
xdotool key Escape
wait_for "the leave dialog opens" 5 pixels "match 248 178 304 140 $game/Graphic/setting/leave_lable.bmp 0 0"
xdotool key Return
wait_for "Enter returns to the main menu" 5 menu_patches
click 415 557
wait_for "the settings dialog keeps music at 0" 5 \
    pixels "match 223 158 354 125 $game/Graphic/setting/m_set_node.bmp 0 0" \
    "match 318 338 24 24 $ui/drag.bmp 0 0"
click 343 412
wait_for "OK closes the dialog" 3 menu_patches
wait_for "st.data still begins with 2 and \"abc\"" 1 first_row_is "$row"
close_game

note "keyboard only: level 1 again, with slides slowed down to 2.5 s"
rm -f "$player/Rest.pa"
export TOVAK_SLIDE_MS=2500
start_game
unset TOVAK_SLIDE_MS
wait_for "the main menu shows its background" 10 menu_patches
alive
xdotool key Return
wait_for "Enter starts level 1 with 0 steps" 5 board_shows "$work/level1.txt" 0
mapfile -t keys < <(awk '$1 == "key" { print $2 }' "$work/level1.txt")
read -r _ from_x from_y to_x to_y portrait < <(grep '^slide' "$work/level1.txt")
# The keys up to the first arrow select the first step's piece.
first=0
while [ "${keys[first]}" = Tab ]; do
    first=$((first + 1))
done
alive
xdotool key --delay 60 "${keys[@]:0:first}"
sleep 0.3
snap selected
alive
xdotool key "${keys[first]}"
sleep 0.2
snap slide-early
sleep 0.8
snap slide-later
# A portrait that has arrived shows its pixels at the cell's centre; on its way it does not.
arrived="match $((to_x - 15)) $((to_y - 15)) 30 30 $ui/$portrait 34 32"
not_arrived() { ! pixels "$arrived" > /dev/null; }
# The two cells the piece's anchor passes between.
span="$(( (from_x < to_x ? from_x : to_x) - 49 )) $(( (from_y < to_y ? from_y : to_y) - 47 ))"
span+=" $(( 98 + (from_x > to_x ? from_x - to_x : to_x - from_x) ))"
span+=" $(( 94 + (from_y > to_y ? from_y - to_y : to_y - from_y) ))"
check_saved "early in the slide the piece has left its place" slide-early \
    pixels "differ $span $work/shots/selected.ppm"
check_saved "early in the slide the piece is not in its new cell yet" slide-early not_arrived
check_saved "later in the slide the piece stands elsewhere" slide-later \
    pixels "differ $span $work/shots/slide-early.ppm"
check_saved "later in the slide the piece is still not in its new cell" slide-later not_arrived
check_saved "the step counts as the slide begins: 1" slide-early counter_shows 1
wait_for "the piece ends in its new cell" 4 pixels "$arrived"
note "the rest of level 1 with keys; each key ends the slide before it"
alive
xdotool key --delay 60 "${keys[@]:first+1}"
wait_for "the win panel shows once the last slide ends" 8 \
    pixels "match 255 150 304 130 $ui/guog.bmp 0 0"
wait_for "the step counter shows $steps1" 2 counter_shows "$steps1"
wait_for "Rest.pa lists level 1 alone" 2 \
    test "$(od -An -t d4 "$player/Rest.pa" 2>/dev/null | xargs)" = "1 1"
alive
xdotool key Return
wait_for "Enter on the win panel shows level 2" 5 board_shows "$work/level2.txt" 0
close_game
finish
