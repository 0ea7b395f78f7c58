#!/usr/bin/env bash
# Measures the built game from outside under a virtual X display: time from process start to
# the window and to the first drawn menu frame, the loading sequence as seen on screen, CPU on
# the idle and on the minimised menu, and resident memory. Builds nothing; runs a copy of the
# game folder so the measured runs leave no progress or settings behind.
#
#   bench/game_metrics.sh [GAME_FOLDER [RUNS]]     (default: build/dist, 5 start-ups)
set -uo pipefail

if [ "${1:-}" != "--session" ]; then
    dist=${1:-$(dirname "$0")/../build/dist}
    runs=${2:-5}
    [ -x "$dist/tovak-marudo" ] || { echo "no game in $dist: build it first" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -a "$dist" "$work/game"
    rm -f "$work/game/Rest.pa" "$work/game/st.data"
    mkdir -p "$work/home" "$work/config"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
    # The disk driver plays in real time like a sound card, into nothing.
    export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$work" "$runs"
    exit $?
fi

work=$2
runs=$3
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

# The system's interpreter: it starts at once, where a version manager's wrapper may not.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
exec "$python" - "$work/game" "$runs" <<'PY'
import ctypes, os, statistics, subprocess, sys, time

game, runs = sys.argv[1], int(sys.argv[2])
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

time.sleep(1)
rss = status_kb(process.pid, "VmRSS")
idle = cpu_percent(process.pid, 10)
subprocess.run(["xdotool", "windowminimize", str(window)])
time.sleep(1)
minimised = cpu_percent(process.pid, 10)
peak = status_kb(process.pid, "VmHWM")
stop(process)

def spread(values, unit=1000, suffix="ms"):
    return "%.0f %s (%.0f..%.0f)" % (statistics.median(values) * unit, suffix,
                                     min(values) * unit, max(values) * unit)

def verdict(ok):
    return "ok" if ok else "OVER"

rows = [
    ("start to window mapped", spread(maps), "", ""),
    ("start to first menu frame", spread(menus), "< 500 ms", verdict(statistics.median(menus) < 0.5)),
    ("CPU time used up to the first menu frame", spread(cpus), "", ""),
    ("LoadScreens (loading picture to menu, on screen)",
     spread(loads) if loads else "n/a", "< 150 ms",
     verdict(statistics.median(loads) < 0.15) if loads else ""),
    ("idle menu CPU (10 s)", "%.1f %% of a core" % idle, "< 10 %", verdict(idle < 10)),
    ("minimised CPU (10 s)", "%.1f %% of a core" % minimised, "", ""),
    ("resident memory on the menu (VmRSS)", "%.1f MB" % (rss / 1024), "< 150 MB",
     verdict(rss < 150 * 1024)),
    ("peak resident memory (VmHWM)", "%.1f MB" % (peak / 1024), "", ""),
]
print("%d start-ups under Xvfb; times are median (min..max); load average before: %s"
      % (runs, " ".join(load_average)))
print("%-50s %-28s %-10s %s" % ("metric", "measured", "target", ""))
for row in rows:
    print("%-50s %-28s %-10s %s" % row)
if len(loads) < runs:
    print("the loading picture was seen in %d of %d start-ups" % (len(loads), runs))
PY
