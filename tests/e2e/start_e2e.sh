#!/usr/bin/env bash
# Starts the real game where no window can be shown, as a player would by mistake: it must say
# on standard error that no display could be opened, and why, and end with a non-zero status
# instead of playing on unseen. Then, on a virtual X display with no driver named, it must
# start with a window and end with status 0 when asked to.
#
#   start_e2e.sh GAME_FOLDER
set -uo pipefail

dist=${1:?game folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$dist" "$work/game"
mkdir -p "$work/config"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
failed=0

note() { echo "$(date +%T.%N | cut -c1-12) $*"; }
fail() {
    note "FAILED: $*"
    failed=$((failed + 1))
}

# A display number no X server listens on.
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do
    free=$((free + 1))
done

# no_display DESCRIPTION EXPECTED_MESSAGE ENV...: runs the game with ENV; it must end on its own
# within 20 s with a non-zero status and print the message.
no_display() {
    local what=$1 message=$2 code
    shift 2
    note "check: $what"
    env "$@" timeout 20 "$work/game/tovak-marudo" > "$work/out.txt" 2> "$work/err.txt"
    code=$?
    if [ "$code" -eq 124 ]; then
        fail "still running after 20 s"
    elif [ "$code" -eq 0 ]; then
        fail "exit status 0 for a start that failed"
    fi
    if ! grep -qF -- "$message" "$work/err.txt"; then
        fail "standard error does not say \"$message\"; it says:"
        sed 's/^/    /' "$work/err.txt"
    fi
}

no_display "DISPLAY names no X server" \
    "cannot open the display: no X11 or Wayland display could be opened (DISPLAY is \":$free\" but could not be opened; WAYLAND_DISPLAY is not set)" \
    DISPLAY=":$free"
no_display "no display at all" \
    "cannot open the display: no X11 or Wayland display could be opened (DISPLAY is not set; WAYLAND_DISPLAY is not set)" \
    -u DISPLAY
no_display "x11 named on purpose, without a display" \
    "cannot open the display: x11 not available" SDL_VIDEODRIVER=x11 DISPLAY=":$free"

# A real display and no driver named: the game takes X11 and shows its window.
note "check: a virtual X display and no driver named give a window and, on SIGTERM, status 0"
cat > "$work/session.sh" <<'SH'
#!/usr/bin/env bash
"$1" > "$2/out.txt" 2> "$2/err.txt" &
pid=$!
for _ in $(seq 200); do
    xdotool search --onlyvisible --name '^Tovak Marudo$' > /dev/null 2>&1 && break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.05
done
xdotool search --onlyvisible --name '^Tovak Marudo$' > /dev/null 2>&1 || { echo "no window"; exit 2; }
kill -TERM "$pid"
wait "$pid"
SH
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh" "$work/game/tovak-marudo" "$work"
code=$?
if [ "$code" -ne 0 ]; then
    fail "status $code; the game said:"
    sed 's/^/    /' "$work/err.txt"
fi

if [ "$failed" -ne 0 ]; then
    note "$failed check(s) failed"
    exit 1
fi
note "all checks passed"
