# What the end-to-end sessions share: timestamped notes, screenshots of the game's window and
# checks repeated until they hold. A session sources it after setting $work (its folder, with a
# shots/ folder), $shot_ext (the screenshots' format: png or ppm) and, before the first
# screenshot, $id (the game's window).

note() { echo "$(date +%T.%N | cut -c1-12) $*"; }

# Saves the window's picture as shots/NAME.$shot_ext and sets $shot.
snap() {
    shot=$work/shots/$1.$shot_ext
    rm -f "$shot"
    import -window "$id" -depth 8 "$shot" 2>/dev/null
}

# wait_for WHAT SECONDS COMMAND...: repeats COMMAND, which may use a fresh screenshot in
# $shot, until it succeeds. A failure is counted in $failed and its last screenshot kept.
wait_for() {
    local what=$1 output deadline=$((${EPOCHREALTIME/./} + $2 * 1000000))
    shift 2
    note "check: $what"
    while true; do
        snap current
        if output=$("$@" 2>&1); then
            return 0
        fi
        (( ${EPOCHREALTIME/./} < deadline )) || break
        sleep 0.1
    done
    failed=$((failed + 1))
    cp "$shot" "$work/shots/failed-$failed.$shot_ext"
    note "FAILED: $what (screenshot failed-$failed.$shot_ext)"
    [ -n "$output" ] && echo "$output"
    return 1
}

# Waits up to SECONDS for the game's window, calling the session's `alive` between tries, and
# activates it; sets $id, empty when no window came.
find_game_window() {
    id=
    for _ in $(seq $(($1 * 10))); do
        id=$(xdotool search --onlyvisible --name '^Tovak Marudo$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        alive
        sleep 0.1
    done
    if [ -n "$id" ]; then
        xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    fi
}

# Clicks the game's close button and checks that the game ends within ten seconds with exit
# code 0, counting a failure in $failed. A game still running is killed; `stop_extra`, when the
# session defines it, runs after that (Wine's server, say).
close_game() {
    click 762 12
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    note "check: the close button ends the game with exit code 0"
    if kill -0 "$pid" 2>/dev/null; then
        failed=$((failed + 1))
        note "FAILED: still running 10 s after the close button"
        kill "$pid"
        if declare -F stop_extra >/dev/null; then
            stop_extra
        fi
        return
    fi
    wait "$pid"
    local code=$?
    if [ "$code" -ne 0 ]; then
        failed=$((failed + 1))
        note "FAILED: exit code $code"
    fi
}
