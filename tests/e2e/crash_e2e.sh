#!/usr/bin/env bash
# Kills the real game with SIGKILL at random moments while it writes its files, on a fresh copy
# of its folder on a virtual X display, and checks after every kill that Rest.pa, set.ini and
# st.data each hold the content from before the round or a later consistent one: never a mix,
# a truncation or nothing, and that the next start removes the temporary files a kill left
# behind. Each round starts the game, changes a volume in the settings dialog,
# switches to full screen and back with Alt+Enter, wins the first level not yet cleared, closes
# the win panel and enters a name when the result qualifies for the table. The kill comes a
# random 0-119 ms after one of those actions; the first round runs to the end, so every file is
# written at least once. The seed is printed; CRASH_SEED repeats a run, CRASH_ROUNDS sets the
# number of rounds (12). Screenshots of stalled rounds are kept in ./crash_e2e_failures (or
# $E2E_FAILURES).
#
#   crash_e2e.sh GAME_FOLDER SOLUTION_PATH_PROGRAM GAME_FILES_CHECK_PROGRAM
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    dist=${1:?game folder}
    solver=${2:?solution_path program}
    checker=${3:?game_files_check program}
    seed=${CRASH_SEED:-$(( $(date +%s%N) % 1000000 ))}
    echo "seed $seed (CRASH_SEED=$seed repeats this run)"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -a "$dist" "$work/game"
    rm -f "$work/game/Rest.pa" "$work/game/st.data"
    mkdir -p "$work/home" "$work/config" "$work/shots" "$work/cache" "$work/levels"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
    export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
    failures=${E2E_FAILURES:-$PWD/crash_e2e_failures}
    rm -f "$failures"/stalled-*.png "$failures"/game-*.log
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$work" "$solver" "$checker" "$seed" \
        "${CRASH_ROUNDS:-12}"
    status=$?
    if [ "$status" -ne 0 ]; then
        mkdir -p "$failures"
        for shot in "$work"/shots/stalled-*.ppm; do
            [ -e "$shot" ] || continue
            convert "$shot" "$failures/$(basename "${shot%.ppm}").png"
        done
        cp "$work"/game-*.log "$failures/" 2>/dev/null
        echo "screenshots and logs of the failed rounds: $failures"
    fi
    exit "$status"
fi

work=$2
solver=$3
checker=$4
seed=$5
rounds=$6
game=$work/game
ui=$game/Graphic/UI
RANDOM=$seed
python=/usr/bin/python3
[ -x "$python" ] || python=python3
failed=0
stalls=0

# looks SHOT "X Y W H IMAGE SX SY"...: each window rectangle shows the image's rectangle. The
# game draws RGB565, so channels may differ a little; magenta (colour-key) pixels are skipped.
cat > "$work/looks.py" <<'PY'
import os, re, subprocess, sys

def load(path):
    if not path.endswith(".ppm"):
        cached = os.path.join(os.environ["PIXEL_CACHE"], path.replace("/", "_") + ".ppm")
        if not os.path.exists(cached):
            subprocess.run(["convert", path, "-depth", "8", "ppm:" + cached], check=True)
        path = cached
    data = open(path, "rb").read()
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if not header:
        sys.exit("%s: not an 8-bit PPM" % path)
    return int(header[1]), int(header[2]), data[header.end():]

def pixel(image, x, y):
    w, h, rgb = image
    return tuple(rgb[3 * (y * w + x):3 * (y * w + x) + 3]) if 0 <= x < w and 0 <= y < h else None

def shows(shot, x, y, w, h, source, sx, sy):
    image, compared, near = load(source), 0, 0
    for j in range(h):
        for i in range(w):
            want = pixel(image, sx + i, sy + j)
            if want is None or want == (255, 0, 255):
                continue
            got = pixel(shot, x + i, y + j)
            compared += 1
            near += got is not None and all(abs(a - b) <= 10 for a, b in zip(got, want))
    return compared > 0 and near >= 0.95 * compared

shot = load(sys.argv[1])
ok = all(shows(shot, *map(int, c.split()[:4]), c.split()[4], *map(int, c.split()[5:7]))
         for c in sys.argv[2:])
sys.exit(0 if ok else 1)
PY

note() { echo "$(date +%T.%N | cut -c1-12) $*"; }
alive() { kill -0 "$pid" 2>/dev/null; }
sleep_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }

looks() {
    local shot=$work/shots/current.ppm
    rm -f "$shot"
    import -window "$id" -depth 8 "$shot" 2>/dev/null &&
        PIXEL_CACHE="$work/cache" "$python" "$work/looks.py" "$shot" "$@"
}

# wait_for WHAT SECONDS COMMAND...: repeats COMMAND until it succeeds. False when the game is
# gone; a game still running past the deadline is a stall, counted and kept as a screenshot.
wait_for() {
    local what=$1 deadline=$((${EPOCHREALTIME/./} + $2 * 1000000))
    shift 2
    while alive; do
        "$@" && return 0
        if (( ${EPOCHREALTIME/./} > deadline )); then
            stalls=$((stalls + 1))
            cp "$work/shots/current.ppm" "$work/shots/stalled-$stalls.ppm" 2>/dev/null
            note "STALLED: $what (screenshot stalled-$stalls)"
            return 1
        fi
        sleep 0.1
    done
    return 1
}

menu_shows() { looks "100 250 40 40 $ui/youxijiemian.bmp 100 250" \
    "600 300 40 40 $ui/youxijiemian.bmp 600 300"; }
fullscreen_state() { xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -c _NET_WM_STATE_FULLSCREEN; }
window_size() { xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
is_fullscreen() { (( $(fullscreen_state) )) || [ "$(window_size)" = 1024x768 ]; }
is_window() { ! (( $(fullscreen_state) )) && [ "$(window_size)" = 800x600 ]; }

# The solver's listing of level N, made once: its empty cells and the presses that solve it.
listing() {
    local file=$work/levels/$1.txt
    [ -s "$file" ] || "$solver" "$game/Board/$1.dat" > "$file" || return 1
    echo "$file"
}
board_shows() {
    local checks
    mapfile -t checks < <(awk -v ui="$ui" '$1 == "empty" {
        printf "%d %d 30 30 %s/desk.bmp %d %d\n", $2 - 15, $3 - 15, ui, $2 - 15, $3 - 15 }' "$1")
    looks "${checks[@]}"
}

click() { xdotool mousemove --window "$id" "$1" "$2" click 1 2>/dev/null; }

# ---------------------------------------------------------------------------------------------
# What the files may hold after a kill, from the checker's canonical listing before the round.

# The levels of a "progress" line, one a line.
levels_of() { awk '$1 == "progress" { for (i = 3; i <= NF; ++i) print $i }' "$1"; }
# Lines of the first file missing from the second.
missing_from() { comm -23 <(sort -u "$1") <(sort -u "$2"); }

check_progress() {
    local before=$1 after=$2
    if grep -qx "progress missing" "$after" && ! grep -qx "progress missing" "$before"; then
        echo "Rest.pa is gone"
        return 1
    fi
    levels_of "$before" > "$work/levels.before"
    levels_of "$after" > "$work/levels.after"
    local lost extra
    lost=$(missing_from "$work/levels.before" "$work/levels.after" | xargs)
    extra=$(missing_from "$work/levels.after" "$work/won" | xargs)
    [ -z "$lost" ] || echo "Rest.pa lost cleared levels: $lost"
    [ -z "$extra" ] || echo "Rest.pa lists levels never won: $extra"
    [ -z "$lost$extra" ]
}

check_settings() {
    local before=$1 after=$2
    if grep -qx "settings missing" "$after" && ! grep -qx "settings missing" "$before"; then
        echo "set.ini is gone"
        return 1
    fi
    # The game never removes a key, and never writes the board limit or the addresses.
    awk '$1 == "setting" && $3 ~ /^(maxboard|web1|web2|web3)$/' "$before" > "$work/fixed.before"
    awk '$1 == "setting" && $4 != "-" { print $2, $3 }' "$before" > "$work/keys.before"
    awk '$1 == "setting" && $4 != "-" { print $2, $3 }' "$after" > "$work/keys.after"
    local lost changed
    lost=$(missing_from "$work/keys.before" "$work/keys.after" | xargs)
    changed=$(missing_from "$work/fixed.before" "$after" | xargs)
    [ -z "$lost" ] || echo "set.ini lost keys: $lost"
    [ -z "$changed" ] || echo "set.ini changed keys the game never writes: $changed"
    [ -z "$lost$changed" ]
}

# The table after inserting RECORD ("record SCORE NAME") below every record with at least its
# score; the last record drops out.
insert_record() {
    awk -v new="$2" 'BEGIN { split(new, n, " "); placed = 0 }
        $1 == "record" && !placed && $2 < n[2] { print new; placed = 1 }
        $1 == "record" { print }' "$1" | head -n 10
}

check_leaderboard() {
    local before=$1 after=$2 submitted=$3
    grep '^record ' "$after" > "$work/table.after"
    if grep -qx "leaderboard missing" "$after"; then
        grep -qx "leaderboard missing" "$before" && return 0
        echo "st.data is gone"
        return 1
    fi
    # A missing table is created with the default records at start-up.
    if grep -qx "leaderboard missing" "$before"; then
        "$checker" --default-table > "$work/table.before"
    else
        grep '^record ' "$before" > "$work/table.before"
    fi
    cmp -s "$work/table.before" "$work/table.after" && return 0
    if [ -n "$submitted" ] && insert_record "$work/table.before" "$submitted" |
        cmp -s - "$work/table.after"; then
        return 0
    fi
    echo "st.data holds neither the old table nor the old one with '$submitted' entered:"
    diff "$work/table.before" "$work/table.after" | sed 's/^/    /'
    return 1
}

# ---------------------------------------------------------------------------------------------
# One round. The kill plan is a step and a delay: the kill comes that many milliseconds after
# the step's action, or once the round is over.
steps=(start settings full window board win close name end)

# at STEP: kills the game when the plan names STEP; false once the game is gone.
at() {
    alive || return 1
    [ "${steps[$kill_step]}" = "$1" ] || return 0
    sleep_ms "$kill_delay"
    kill -9 "$pid" 2>/dev/null
    return 1
}

drag_volume() {
    local knob=$1 level=$2 key y current
    key=$([ "$knob" -eq 0 ] && echo sound || echo music)
    y=$((158 + 130 + 50 * knob + 12))
    current=$(awk -v k="$key" '$1 == "setting" && $3 == k { print ($4 == "-" ? 1 : $4) }' \
        "$work/before.txt")
    local from=$((223 + 95 + 14 * current + 12)) to=$((223 + 95 + 14 * level + 12))
    local stride=$([ "$to" -ge "$from" ] && echo 4 || echo -4)
    # A knob stops following once the pointer leaves it, so the pointer moves in small steps.
    local drag=(mousemove --window "$id" "$from" "$y" mousedown 1)
    for x in $(seq "$from" "$stride" "$to") "$to"; do
        drag+=(sleep 0.01 mousemove --window "$id" "$x" "$y")
    done
    xdotool "${drag[@]}" sleep 0.05 mouseup 1 2>/dev/null
}

play_round() {
    local level=$1 solution=$2 qualifies=$3
    wait_for "the main menu shows" 15 menu_shows || return
    click 415 557
    wait_for "the settings dialog opens" 5 \
        looks "240 170 60 40 $game/Graphic/setting/m_set_node.bmp 17 12" || return
    drag_volume "$knob" "$volume"
    click 343 412
    at settings || return
    wait_for "OK closes the settings dialog" 5 menu_shows || return
    xdotool key alt+Return 2>/dev/null
    at full || return
    wait_for "Alt+Enter goes full screen" 5 is_fullscreen || return
    sleep 0.3
    xdotool key alt+Return 2>/dev/null
    at window || return
    wait_for "Alt+Enter comes back to a window" 5 is_window || return
    wait_for "the main menu shows again" 10 menu_shows || return
    click 426 470
    at board || return
    wait_for "level $level is on the board" 5 board_shows "$solution" || return
    # The last press wins the level; from then on Rest.pa may list it.
    echo "$level" >> "$work/won"
    local presses=()
    while read -r _ x y; do
        presses+=(mousemove --window "$id" "$x" "$y" click 1 sleep 0.03)
    done < <(grep '^click' "$solution")
    xdotool "${presses[@]}" 2>/dev/null
    at win || return
    wait_for "the win panel shows" 5 looks "300 160 60 40 $ui/guog.bmp 45 10" || return
    click 480 349
    at close || return
    [ "$qualifies" = 1 ] || return
    wait_for "the name entry shows" 5 looks "245 110 60 40 $ui/pinput.bmp 20 10" || return
    xdotool type --delay 40 "$name" 2>/dev/null
    submitted="record 1 $name"
    click 321 279
    at name || return
    wait_for "the game returns to the main menu" 5 menu_shows || return
}

start_game() {
    "$game/tovak-marudo" > "$work/game-$round.log" 2>&1 &
    pid=$!
    # A search can fail outright when a window vanishes under it, so it is repeated.
    local deadline=$((${EPOCHREALTIME/./} + 20000000))
    id=
    while [ -z "$id" ] && alive && (( ${EPOCHREALTIME/./} < deadline )); do
        id=$(xdotool search --onlyvisible --name '^Tovak Marudo$' 2>/dev/null | head -n 1)
        [ -n "$id" ] || sleep 0.05
    done
    if [ -z "$id" ]; then
        alive || note "the game ended before its window showed"
        note "FAILED: no window named Tovak Marudo"
        cat "$work/game-$round.log"
        failed=$((failed + 1))
        return 1
    fi
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    # The temporary files of saves an earlier kill cut short are gone once the game is up.
    local stale
    stale=$(cd "$game" && ls -d Rest.pa.saving-* set.ini.saving-* st.data.saving-* 2>/dev/null | xargs)
    if [ -n "$stale" ]; then
        note "FAILED: the start left the temporary files of killed saves: $stale"
        failed=$((failed + 1))
    fi
}

# Kills the game if the round left it running and tells whether it died by the kill.
end_round() {
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    local code=$?
    if [ "$code" -ne 137 ]; then
        note "FAILED: the game ended by itself with exit code $code"
        cat "$work/game-$round.log"
        failed=$((failed + 1))
    fi
}

check_files() {
    local problems
    if ! "$checker" "$game" > "$work/after.txt" 2> "$work/checker.err"; then
        note "FAILED: a file does not parse after the kill:"
        sed 's/^/    /' "$work/checker.err"
        failed=$((failed + 1))
        return
    fi
    problems=$(check_progress "$work/before.txt" "$work/after.txt"
        check_settings "$work/before.txt" "$work/after.txt"
        check_leaderboard "$work/before.txt" "$work/after.txt" "$submitted")
    if [ -n "$problems" ]; then
        note "FAILED: after the kill:"
        echo "$problems" | sed 's/^/    /'
        failed=$((failed + 1))
    fi
    local leftovers
    leftovers=$(cd "$game" && ls -d Rest.pa.saving-* set.ini.saving-* st.data.saving-* 2>/dev/null | xargs)
    [ -z "$leftovers" ] || note "temporary files left by the kill: $leftovers"
}

# The files' state changed in a way that shows the round's writes reached them.
note_changes() {
    cmp -s <(grep '^progress' "$work/before.txt") <(grep '^progress' "$work/after.txt") ||
        progress_writes=$((progress_writes + 1))
    cmp -s <(grep '^setting' "$work/before.txt") <(grep '^setting' "$work/after.txt") ||
        settings_writes=$((settings_writes + 1))
    cmp -s <(grep '^record' "$work/before.txt") <(grep '^record' "$work/after.txt") ||
        leaderboard_writes=$((leaderboard_writes + 1))
}

# ---------------------------------------------------------------------------------------------
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

# What a kill between a save's temporary file and its rename leaves behind, and a player's own
# copy that merely looks like it.
for saved in Rest.pa set.ini st.data; do
    echo half > "$game/$saved.saving-e2e000"
done
echo mine > "$game/Rest.pa.backup"

: > "$work/won"
progress_writes=0 settings_writes=0 leaderboard_writes=0
letters=abcdefghijklmnopqrstuvwxyz
for round in $(seq "$rounds"); do
    if ! "$checker" "$game" > "$work/before.txt" 2> "$work/checker.err"; then
        note "FAILED: the files do not parse before round $round"
        cat "$work/checker.err"
        exit 1
    fi
    # The game starts on the first level not cleared.
    level=1
    while levels_of "$work/before.txt" | grep -qx "$level"; do
        level=$((level + 1))
    done
    solution=$(listing "$level") || exit 1
    # The result of one win enters the table while its last record scores below 1.
    last=$(grep '^record ' "$work/before.txt" | tail -n 1 | awk '{ print $2 }')
    qualifies=$([ "${last:-0}" -lt 1 ] && echo 1 || echo 0)
    if [ "$round" -eq 1 ]; then
        kill_step=$((${#steps[@]} - 1))
    else
        kill_step=$((RANDOM % ${#steps[@]}))
    fi
    kill_delay=$((RANDOM % 120))
    # Drawn here, so that the seed alone fixes every round's plan.
    knob=$((RANDOM % 2)) volume=$((RANDOM % 16))
    name=
    for _ in $(seq $((3 + RANDOM % 6))); do
        name+=${letters:RANDOM % 26:1}
    done
    submitted=
    note "round $round: level $level, kill $kill_delay ms after '${steps[$kill_step]}'"
    if start_game; then
        at start && play_round "$level" "$solution" "$qualifies"
        end_round
    else
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    check_files
    note_changes
    [ "$failed" -eq 0 ] || break
done

if [ "$(cat "$game/Rest.pa.backup" 2>/dev/null)" != mine ]; then
    note "FAILED: the player's Rest.pa.backup was touched"
    failed=$((failed + 1))
fi
note "rounds whose writes reached the files: Rest.pa $progress_writes, set.ini $settings_writes, st.data $leaderboard_writes"
if (( progress_writes == 0 || settings_writes == 0 || leaderboard_writes == 0 )); then
    note "FAILED: some file was never written, so its crash safety went untested"
    failed=$((failed + 1))
fi
if (( stalls > 0 )); then
    note "FAILED: $stalls step(s) stalled while the game was running"
    failed=$((failed + 1))
fi
if [ "$failed" -ne 0 ]; then
    note "seed $seed: $failed failure(s)"
    exit 1
fi
note "seed $seed: every file parsed and held an old or a later consistent state after every kill"
