#!/usr/bin/env bash
# Plays the Windows game as players get it, under Wine on a virtual X display with a window
# manager, in a Wine prefix of its own:
#
# - the installer, run silently: the program in Program Files, the Start-menu shortcut and the
#   Add/Remove Programs entry; the installed game shows its menu, level 1 is won by clicks and
#   its progress lands in %APPDATA%\Tovak Marudo\, never in Program Files; the game records its
#   install in the registry; the silent uninstaller removes the program, the shortcut, the entry
#   and that record, and leaves the player's files;
# - the portable zip: one folder, no player's file in it; unpacked, the game shows its menu,
#   level 1 is won by clicks and Rest.pa appears beside the program; closed with its close
#   button and started again, it goes on with level 2, and the installed game's progress in
#   %APPDATA% stays as it was.
#
# Every step says what it checks. Screenshots of failed checks and the game's output are kept in
# ./windows_e2e_failures (or $E2E_FAILURES); with $E2E_SHOTS set, every screenshot is kept there.
#
#   windows_e2e.sh ZIP INSTALLER SOLUTION_PATH_PROGRAM
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    zip=${1:?portable zip}
    installer=${2:?installer}
    solver=${3:?the native build\'s solution_path program}
    for input in "$zip" "$installer" "$solver"; do
        if [ ! -f "$input" ]; then
            echo "windows_e2e: $input is missing (build the windows_zip and windows_installer" \
                "targets, and the native build's solution_path)"
            exit 1
        fi
    done
    work=$(mktemp -d)
    trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
    mkdir -p "$work/shots" "$work/logs"
    failures=${E2E_FAILURES:-$PWD/windows_e2e_failures}
    rm -f "$failures"/failed-*.png "$failures"/*.log
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --session "$work" "$zip" "$installer" "$solver"
    status=$?
    if [ "$status" -ne 0 ]; then
        mkdir -p "$failures"
        cp "$work"/shots/failed-*.png "$work"/logs/*.log "$failures/" 2>/dev/null
        echo "screenshots of the failed checks and the logs: $failures"
    fi
    if [ -n "${E2E_SHOTS:-}" ]; then
        mkdir -p "$E2E_SHOTS"
        cp "$work"/shots/*.png "$E2E_SHOTS/" 2>/dev/null
    fi
    exit "$status"
fi

work=$2
zip=$3
installer=$4
solver=$5
failed=0
started=$SECONDS

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko offer, and no desktop menu entries made for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software

shot_ext=png
# shellcheck source=../e2e/checks.sh
source "$(dirname "$0")/../e2e/checks.sh"

version=$(basename "$zip" .zip)
version=${version#tovak-marudo-}
version=${version%-win64}

# Runs a short Windows program and prints its output. Wine's background services keep any
# output they inherit open, so every Windows program runs detached from the test's own.
wine_run() { timeout 60 wine "$@" </dev/null 2>/dev/null | tr -d '\r'; }

check() {
    local what=$1 output
    shift
    note "check: $what"
    output=$("$@" 2>&1) && return 0
    failed=$((failed + 1))
    note "FAILED: $what"
    [ -n "$output" ] && echo "$output"
    return 1
}

# A failure after which nothing else can be checked.
fail_now() {
    failed=$((failed + 1))
    note "FAILED: $*"
    finish
}

finish() {
    wineserver -k 2>/dev/null
    note "took $((SECONDS - started)) s"
    if [ "$failed" -ne 0 ]; then
        for log in "$work"/logs/*.log; do
            echo "---- $(basename "$log"):"
            cat "$log"
        done
        note "$failed check(s) failed"
        exit 1
    fi
    note "all checks passed"
    exit 0
}

# ---------------------------------------------------------------------------------------------
# The game's window.

# Starts a program of the prefix and waits for its window; the game's output goes to LOG.
start_game() {
    local log=$1
    shift
    note "start: $*"
    wine "$@" </dev/null >"$work/logs/$log" 2>&1 &
    pid=$!
    find_game_window 30
    if [ -z "$id" ]; then
        fail_now "no window named Tovak Marudo within 30 s"
    fi
}

alive() {
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        fail_now "the game ended early with exit code $?"
    fi
}

click() {
    alive
    xdotool mousemove --window "$id" "$1" "$2" click 1
    sleep 0.15
}

# A game that would not close takes Wine's server with it (close_game, checks.sh).
stop_extra() {
    wineserver -k 2>/dev/null
}

window_is_800x600() {
    local size
    size=$(xdotool getwindowgeometry "$id" | awk '/Geometry:/ { print $2 }')
    [ "$size" = 800x600 ] && return 0
    echo "    the window is $size"
    return 1
}

# shows X Y W H IMAGE SX SY: the window's rectangle shows the image's, within the rounding of the
# game's 16-bit colours, on all but 2% of its pixels.
shows() {
    local differing
    differing=$(convert "$shot" -crop "$3x$4+$1+$2" +repage \
        \( "$5" -crop "$3x$4+$6+$7" +repage \) -fuzz 3% -metric AE -compare \
        -format '%[distortion]' info: 2>&1)
    [[ "$differing" =~ ^[0-9]+$ ]] && ((differing * 50 <= $3 * $4)) && return 0
    echo "    $1,$2 $3x$4 vs $(basename "$5") at $6,$7: $differing pixels differ"
    return 1
}

# Patches of the menu's background that no button, logo or dialog covers.
menu_shows() {
    local menu=$game/Graphic/UI/youxijiemian.bmp
    shows 100 250 100 80 "$menu" 100 250 && shows 560 280 150 80 "$menu" 560 280 &&
        shows 20 400 120 80 "$menu" 20 400
}

# The board shows a level as the solver's listing describes it: each piece's portrait at its
# anchor cell, the desk at the empty cells.
board_shows() {
    local ui=$game/Graphic/UI kind x y portrait ok=0
    while read -r kind x y portrait; do
        case $kind in
        piece) shows $((x - 15)) $((y - 15)) 30 30 "$ui/$portrait" 34 32 || ok=1 ;;
        empty) shows $((x - 15)) $((y - 15)) 30 30 "$ui/desk.bmp" $((x - 15)) $((y - 15)) || ok=1 ;;
        esac
    done <"$1"
    return "$ok"
}

win_panel_shows() { shows 255 150 304 130 "$game/Graphic/UI/guog.bmp" 0 0; }

# progress_is FILE "LEVELS": Rest.pa lists exactly these levels.
progress_is() {
    local got
    got=$(od -An -t d4 "$1" 2>/dev/null | xargs)
    [ "$got" = "$2" ] && return 0
    echo "    $1 holds: ${got:-nothing}"
    return 1
}

# Starts level 1 from the menu and wins it by clicks.
win_level_1() {
    wait_for "the window is 800x600" 2 window_is_800x600
    wait_for "the main menu shows its background" 15 menu_shows
    cp "$shot" "$work/shots/$1-menu.png"
    click 426 470
    wait_for "level 1 is on the board" 5 board_shows "$work/level1.txt"
    note "solve level 1 in $(awk '$1 == "steps" { print $2 }' "$work/level1.txt") steps"
    while read -r _ x y; do
        click "$x" "$y"
    done < <(grep '^click' "$work/level1.txt")
    wait_for "the win panel shows" 5 win_panel_shows
    cp "$shot" "$work/shots/$1-won.png"
}

# The shortcut names the installed program.
links_to_program() {
    local text
    text=$(strings -a "$1"; strings -a -el "$1")
    grep -qF 'C:\Program Files\Tovak Marudo\tovak-marudo.exe' <<<"$text" && return 0
    echo "    $1 names no installed program"
    return 1
}

# ---------------------------------------------------------------------------------------------
# The registry, through Wine's reg.

# registry_has KEY NAME VALUE...: each named value of the key is as given (a prefix of it, when
# the given value ends in '*').
registry_has() {
    local key=$1 listing name want got ok=0
    shift
    listing=$(wine_run reg query "$key") || { echo "    no key $key"; return 1; }
    while (($#)); do
        name=$1 want=$2
        shift 2
        # "    NAME    REG_SZ    VALUE": the value, spaces and all.
        got=$(awk -v name="$name" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }' \
            <<<"$listing")
        if [ "$got" != "$want" ] && ! [[ "$want" == *'*' && "$got" == "${want%'*'}"* ]]; then
            echo "    $name is \"$got\", not \"$want\""
            ok=1
        fi
    done
    return "$ok"
}
no_key() {
    wine_run reg query "$1" >/dev/null || return 0
    echo "    $1 is still there"
    return 1
}

# ---------------------------------------------------------------------------------------------
note "a Wine prefix of its own: $WINEPREFIX"
timeout 120 wine wineboot </dev/null >"$work/logs/wineboot.log" 2>&1 ||
    fail_now "wineboot could not make the prefix"
wineserver -p
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
note "the prefix is ready after $((SECONDS - started)) s"

appdata_windows=$(wine_run cmd /c echo %APPDATA%)
appdata=$WINEPREFIX/drive_c/${appdata_windows#C:\\}
appdata=${appdata//\\//}
player="$appdata/Tovak Marudo"
program_files="$WINEPREFIX/drive_c/Program Files/Tovak Marudo"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tovak Marudo.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tovak Marudo'
game_record='HKCU\Software\qelvo\InstalledGame\227'
installed_program='C:\Program Files\Tovak Marudo\tovak-marudo.exe'

# ---------------------------------------------------------------------------------------------
note "the installer, silently"
timeout 120 wine "$installer" /S </dev/null >"$work/logs/setup.log" 2>&1
check "the installer ends with exit code 0" test "$?" -eq 0
game=$program_files
check "the program, its data and the uninstaller are in Program Files" \
    test -f "$game/tovak-marudo.exe" -a -f "$game/Board/1.dat" -a -f "$game/SDL2.dll" \
    -a -f "$game/Fonts/unifont.otf" -a -f "$game/uninstall.exe" -a -f "$game/README.txt"
check "the Start menu has the shortcut, to the program" links_to_program "$shortcut"
check "Add/Remove Programs lists the game" registry_has "$uninstall_key" \
    DisplayName "Tovak Marudo" DisplayVersion "$version" Publisher "Tovak Marudo developers" \
    DisplayIcon 'C:\Program Files\Tovak Marudo\tovak-marudo.exe,0' \
    UninstallString '"C:\Program Files\Tovak Marudo\uninstall.exe"' \
    QuietUninstallString '"C:\Program Files\Tovak Marudo\uninstall.exe" /S' \
    InstallLocation 'C:\Program Files\Tovak Marudo' NoModify 0x1 NoRepair 0x1 \
    EstimatedSize '0x*'

"$solver" "$game/Board/1.dat" >"$work/level1.txt" || fail_now "$solver cannot read level 1"
"$solver" "$game/Board/2.dat" >"$work/level2.txt" || fail_now "$solver cannot read level 2"

note "the installed game"
start_game installed.log "$installed_program"
win_level_1 installed
wait_for "Rest.pa in %APPDATA%\\Tovak Marudo lists level 1" 3 progress_is "$player/Rest.pa" "1 1"
close_game
check "%APPDATA%\\Tovak Marudo holds the settings" test -f "$player/set.ini"
check "nothing was written into Program Files" \
    test -z "$(find "$game" \( -name Rest.pa -o -name st.data -o -name records.dat \
        -o -newer "$game/uninstall.exe" \) -print)"
check "the game recorded its install" registry_has "$game_record" \
    GamePath "$installed_program" GameID 227 GameIcon 'C:\Program Files\Tovak Marudo\tpz.bmp'

note "the uninstaller, silently"
wine_run "$game/uninstall.exe" /S
# The uninstaller runs a copy of itself from the temporary folder and returns at once.
for _ in $(seq 300); do
    [ -e "$game" ] || break
    sleep 0.1
done
check "the program's folder is gone" test ! -e "$game"
check "the shortcut is gone" test ! -e "$shortcut"
check "Add/Remove Programs no longer lists the game" no_key "$uninstall_key"
check "the game's install record is gone" no_key "$game_record"
check "the player's progress stays in %APPDATA%" progress_is "$player/Rest.pa" "1 1"
check "and the player's settings" test -f "$player/set.ini"

# ---------------------------------------------------------------------------------------------
note "the portable zip"
top=$(unzip -Z1 "$zip" | cut -d/ -f1 | sort -u)
check "the zip holds one folder, tovak-marudo-$version-win64" \
    test "$top" = "tovak-marudo-$version-win64"
check "the zip holds no player's progress, table or records" \
    test -z "$(unzip -Z1 "$zip" | grep -E '/(Rest\.pa|st\.data|records\.dat)$')"
unzip -q "$zip" -d "$work/portable" || fail_now "cannot unzip $zip"
game=$work/portable/$top

start_game portable.log "$game/tovak-marudo.exe"
win_level_1 portable
wait_for "Rest.pa beside the program lists level 1" 3 progress_is "$game/Rest.pa" "1 1"
close_game
check "the installed game's progress in %APPDATA% is untouched" \
    progress_is "$player/Rest.pa" "1 1"
check "the portable game recorded where it is" registry_has "$game_record" \
    GamePath "Z:${game//\//\\}\\tovak-marudo.exe"

note "restart: the game goes on with level 2"
start_game portable-again.log "$game/tovak-marudo.exe"
wait_for "the main menu shows its background" 15 menu_shows
click 426 470
wait_for "level 2 is on the board" 5 board_shows "$work/level2.txt"
cp "$shot" "$work/shots/portable-level2.png"
check "Rest.pa still lists level 1 alone" progress_is "$game/Rest.pa" "1 1"
close_game
finish
