#!/usr/bin/env bash
# Every figure of the game's speed and memory in one table. From outside under a virtual X
# display: time from process start to the window and to the first drawn menu frame, the loading
# sequence as seen on screen, CPU on the idle menu, the idle board and the minimised window,
# resident memory after loading and after a stretch of scripted play. From inside, through
# game_frame_bench on the in-memory platform: LoadScreens and RenderFrame of every screen.
# Builds nothing; runs copies of the game folder so the measured runs leave no progress or
# settings behind.
#
#   bench/game_metrics.sh [--long] [--frame-bench PROGRAM] [--solver PROGRAM]
#                         [GAME_FOLDER [RUNS]]
#
# GAME_FOLDER defaults to build/dist, RUNS (start-ups) to 5. The play lasts 60 s, or ten
# minutes with --long: start, menu dialogs, leave dialog, levels won with the clicks the
# solution_path program prints (build/tests/e2e/solution_path by default; without it the play
# clicks the board at random). PROGRAM defaults to build/bench/game_frame_bench.
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    here=$(dirname "$0")
    play_seconds=60
    frame_bench=$here/../build/bench/game_frame_bench
    solver=$here/../build/tests/e2e/solution_path
    while [ $# -gt 0 ]; do
        case $1 in
        --long) play_seconds=600; shift ;;
        --frame-bench) frame_bench=${2:?program}; shift 2 ;;
        --solver) solver=${2:?program}; shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
        esac
    done
    dist=${1:-$here/../build/dist}
    runs=${2:-5}
    [ -x "$dist/tovak-marudo" ] || { echo "no game in $dist: build it first" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # In-process figures first, while nothing else of ours runs.
    if [ -x "$frame_bench" ]; then
        "$frame_bench" --dist "$dist" --tsv > "$work/frames.tsv" ||
            echo "game_frame_bench failed; its figures are missing" >&2
    else
        echo "no $frame_bench: LoadScreens and RenderFrame are not measured" >&2
    fi
    [ -x "$solver" ] || solver=
    cp -a "$dist" "$work/game"
    rm -f "$work/game/Rest.pa" "$work/game/st.data"
    mkdir -p "$work/home" "$work/config"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
    # The disk driver plays in real time like a sound card, into nothing.
    export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$work" "$runs" "$play_seconds" \
        "$solver"
    exit $?
fi

work=$2
runs=$3
play_seconds=$4
solver=$5
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

# The system's interpreter: it starts at once, where a version manager's wrapper may not.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
exec "$python" - "$work" "$runs" "$play_seconds" "$solver" <<'PY'
import ctypes, os, statistics, struct, subprocess, sys, time

work, runs, play_seconds, solver = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
game = os.path.join(work, "game")
ui = os.path.join(game, "Graphic", "UI")
# Points of the menu background that no button, logo or dialog covers; the loading bar's rows
# (y 542..571) are avoided, so the same points tell the loading picture.
POINTS = [(150, 290), (635, 320), (370, 110), (80, 440), (400, 200), (700, 480)]

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
# A window that is not viewable yet makes XGetImage fail; ignore instead of exiting.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
x11.XSetErrorHandler(ERROR_HANDLER)
display = x11.XOpenDisplay(None)
ALL_PLANES, Z_PIXMAP = ~0 & 0xFFFFFFFFFFFFFFFF, 2

def image_pixel(path, x, y):
    fmt = "%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]"
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "+repage",
                          "-format", fmt, "info:"], capture_output=True, text=True, check=True)
    return tuple(int(v) for v in out.stdout.split())

def rgb565(c):
    def q(v, bits):
        k = v >> (8 - bits)
        return (k << (8 - bits)) | (k >> (2 * bits - 8))
    return (q(c[0], 5), q(c[1], 6), q(c[2], 5))

def window_pixel(window, x, y):
    image = x11.XGetImage(display, window, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    value = x11.XGetPixel(image, 0, 0)
    x11.XDestroyImage(image)
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)

def shows(window, expected):
    for point, want in zip(POINTS, expected):
        got = window_pixel(window, *point)
        if got is None or any(abs(a - b) > 2 for a, b in zip(got, want)):
            return False
    return True

def find_window():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tovak Marudo$"],
                         capture_output=True, text=True)
    ids = out.stdout.split()
    return int(ids[0]) if ids else None

menu = [rgb565(image_pixel(os.path.join(ui, "youxijiemian.bmp"), *p)) for p in POINTS]
loading = [rgb565(image_pixel(os.path.join(ui, "lodingtiao.bmp"), *p)) for p in POINTS]
# Pictures alike at every point cannot be told apart: the loading time is then not measured.
loading = None if loading == menu else loading
env = dict(os.environ)

def cpu_seconds(pid):
    fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

def start_up():
    """Starts the game; returns (process, window, seconds to window, to loading, to menu,
    CPU seconds the game used until then)."""
    begin = time.monotonic()
    process = subprocess.Popen([os.path.join(game, "tovak-marudo")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = mapped = seen_loading = None
    while time.monotonic() - begin < 20 and process.poll() is None:
        now = time.monotonic() - begin
        if window is None:
            window = find_window()
            mapped = now if window else None
            continue
        if seen_loading is None and loading and shows(window, loading):
            seen_loading = now
        if shows(window, menu):
            return process, window, mapped, seen_loading, now, cpu_seconds(process.pid)
        time.sleep(0.003)
    process.kill()
    sys.exit("the menu never appeared (exit code %s)" % process.poll())

def cpu_percent(pid, seconds):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return 100.0 * (cpu_seconds(pid) - before) / seconds

def thread_cpu(pid):
    """CPU seconds so far of each thread, by thread id: (name, seconds)."""
    threads = {}
    for tid in os.listdir("/proc/%d/task" % pid):
        try:
            name = open("/proc/%d/task/%s/comm" % (pid, tid)).read().strip()
            fields = open("/proc/%d/task/%s/stat" % (pid, tid)).read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        threads[tid] = (name, (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK"))
    return threads

def status_kb(pid, key):
    for line in open("/proc/%d/status" % pid):
        if line.startswith(key + ":"):
            return int(line.split()[1])
    return 0

def stop(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()

load_average = open("/proc/loadavg").read().split()[:3]
maps, menus, loads, cpus = [], [], [], []
for run in range(runs):
    process, window, mapped, seen_loading, shown, cpu = start_up()
    maps.append(mapped)
    menus.append(shown)
    cpus.append(cpu)
    if seen_loading is not None:
        loads.append(shown - seen_loading)
    if run < runs - 1:
        stop(process)
        time.sleep(0.5)

# Window points of the controls the play uses (centres of their normal frames).
START, NEXT_LEVEL, RETURN, LEAVE_YES = (426, 470), (340, 349), (725, 567), (334, 347)
LEADERBOARD, SETTINGS, SETTINGS_OK = (149, 557), (415, 557), (343, 412)

def click(point, pause=0.06):
    subprocess.run(["xdotool", "mousemove", "--window", str(window), str(point[0]),
                    str(point[1]), "click", "1"], stdout=subprocess.DEVNULL)
    time.sleep(pause)

def key(name):
    subprocess.run(["xdotool", "key", name], stdout=subprocess.DEVNULL)
    time.sleep(0.2)

def levels_won():
    """The cleared levels Rest.pa lists: a 32-bit count, then the level numbers."""
    try:
        data = open(os.path.join(game, "Rest.pa"), "rb").read()
    except OSError:
        return set()
    values = struct.unpack("<%di" % (len(data) // 4), data[:len(data) // 4 * 4])
    return set(values[1:1 + max(values[0], 0)]) if values else set()

def first_unwon():
    won = levels_won()
    return next((level for level in range(1, 268) if level not in won), 1)

def solution_clicks(level):
    if not solver:
        return None
    out = subprocess.run([solver, os.path.join(game, "Board", "%d.dat" % level)],
                         capture_output=True, text=True)
    return [(int(w[1]), int(w[2])) for w in (line.split() for line in out.stdout.splitlines())
            if len(w) == 3 and w[0] == "click"] or None

def play(seconds):
    """Scripted play from the board screen: levels solved and moved on from, the leave dialog
    by key and by button, back to the menu, its leaderboard and settings, and a new start.
    Returns the resident memory sampled every 10 s as (seconds, kB)."""
    begin = time.monotonic()
    samples, next_sample = [], 0.0
    while time.monotonic() - begin < seconds and process.poll() is None:
        level = first_unwon()
        for _ in range(3):
            clicks = solution_clicks(level)
            for point in clicks or [(63 + 98 * (i % 4), 83 + 94 * (i % 5)) for i in range(20)]:
                click(point)
            time.sleep(0.3)
            click(NEXT_LEVEL, 0.3)
            level += 1
            now = time.monotonic() - begin
            if now >= next_sample:
                samples.append((now, status_kb(process.pid, "VmRSS")))
                next_sample += 10
            if now >= seconds:
                break
        key("Escape")
        key("Escape")
        click(RETURN, 0.3)
        click(LEAVE_YES, 0.5)
        click(LEADERBOARD, 0.5)
        click(LEADERBOARD, 0.3)
        click(SETTINGS, 0.5)
        click(SETTINGS_OK, 0.3)
        click(START, 0.5)
    samples.append((time.monotonic() - begin, status_kb(process.pid, "VmRSS")))
    return samples

time.sleep(1)
rss = status_kb(process.pid, "VmRSS")
idle = cpu_percent(process.pid, 10)
subprocess.run(["xdotool", "windowactivate", "--sync", str(window)], stderr=subprocess.DEVNULL)
click(START, 1)
idle_board = cpu_percent(process.pid, 10)
won_before = len(levels_won())
rss_play = play(play_seconds)
won = len(levels_won()) - won_before
if process.poll() is not None:
    sys.exit("the game ended during the play (exit code %s)" % process.poll())
subprocess.run(["xdotool", "windowminimize", str(window)])
time.sleep(1)
threads_before = thread_cpu(process.pid)
minimised = cpu_percent(process.pid, 10)
threads_after = thread_cpu(process.pid)
# Where the minimised window's CPU goes, thread by thread, busiest first.
minimised_threads = sorted(
    ((seconds - threads_before.get(tid, (name, 0.0))[1]) * 10, name)
    for tid, (name, seconds) in threads_after.items())[::-1]
peak = status_kb(process.pid, "VmHWM")
stop(process)

def spread(values, unit=1000, suffix="ms"):
    return "%.0f %s (%.0f..%.0f)" % (statistics.median(values) * unit, suffix,
                                     min(values) * unit, max(values) * unit)

def verdict(ok):
    return "ok" if ok else "OVER"

def frame_rows():
    """game_frame_bench's lines: name, median ms, p99 ms (slowest for rebuilds), target ms."""
    try:
        lines = open(os.path.join(work, "frames.tsv")).read().splitlines()
    except OSError:
        lines = []
    if not lines:
        return [("LoadScreens / RenderFrame (game_frame_bench)", "not measured", "", "")]
    rows = []
    for line in lines:
        name, median, p99, target = line.split("\t")
        tail = "max" if "rebuild" in name else "p99"
        rows.append((name, "%s ms (%s %s)" % (median, tail, p99), "< %s ms" % target,
                     verdict(float(median) < float(target))))
    return rows

first_rss, last_rss = rss_play[0][1], rss_play[-1][1]
rows = [
    ("start to window mapped", spread(maps), "", ""),
    ("start to first menu frame", spread(menus), "< 500 ms", verdict(statistics.median(menus) < 0.5)),
    ("CPU time used up to the first menu frame", spread(cpus), "", ""),
    ("LoadScreens (loading picture to menu, on screen)",
     spread(loads) if loads else "n/a", "< 150 ms",
     verdict(statistics.median(loads) < 0.15) if loads else ""),
] + frame_rows() + [
    ("idle menu CPU (10 s)", "%.1f %% of a core" % idle, "< 10 %", verdict(idle < 10)),
    ("idle board CPU (10 s)", "%.1f %% of a core" % idle_board, "< 10 %",
     verdict(idle_board < 10)),
    ("minimised CPU (10 s)", "%.1f %% of a core" % minimised, "near 0", verdict(minimised < 1)),
    ("resident memory after loading (VmRSS)", "%.1f MB" % (rss / 1024), "< 150 MB",
     verdict(rss < 150 * 1024)),
    ("resident memory after %d s of play" % play_seconds, "%.1f MB" % (last_rss / 1024),
     "< 150 MB", verdict(last_rss < 150 * 1024)),
    ("growth over the play (first to last sample)", "%+.1f MB" % ((last_rss - first_rss) / 1024),
     "flat", verdict(last_rss - first_rss < 2048)),
    ("peak resident memory (VmHWM)", "%.1f MB" % (peak / 1024), "< 150 MB",
     verdict(peak < 150 * 1024)),
]
print("%d start-ups under Xvfb; times are median (min..max); load average before: %s"
      % (runs, " ".join(load_average)))
print("%d s of scripted play%s: %d levels won; resident memory every 10 s: %s MB"
      % (play_seconds, "" if play_seconds >= 600 else " (short run; --long plays ten minutes)",
         won, " ".join("%.1f" % (kb / 1024) for _, kb in rss_play)))
if not solver:
    print("no solution_path program: the play clicked the board at random and won nothing")
print("%-50s %-32s %-10s %s" % ("metric", "measured", "target", ""))
for row in rows:
    print("%-50s %-32s %-10s %s" % row)
print("minimised CPU by thread: " + (", ".join(
    "%s %.1f %%" % (name, share) for share, name in minimised_threads if share > 0) or "none"))
if len(loads) < runs:
    print("the loading picture was seen in %d of %d start-ups" % (len(loads), runs))
PY
