#!/usr/bin/env bash
# Start-up benchmark: Kalkora against a bare Qt Widgets window built in the
# same tree, under a private Xvfb. Each run is timed from fork to the first
# contents of the mapped window (bench/startupprobe.cpp), and the resident
# memory is read 1.5 s after that. The programs take turns, after one
# discarded warm-up each; the summary gives median, spread and the ratio of
# the medians against the targets (time <= 1.15x, RSS <= 1.25x the bare one).
# A third program, the same bare window with a menu, a label and a text field
# (barewindow --text), shows how much of the gap any window with words pays.
#
#   bench/startup.sh [RUNS]        (default 15; BUILD=build/perf)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
build=${BUILD:-build/perf}
if [ ! -x "$build/bench/startupprobe" ] || [ ! -x "$build/src/app/kalkora" ]; then
    cmake --preset bench -B "$build" >/dev/null
    cmake --build "$build" --target kalkora barewindow startupprobe >/dev/null
fi
kalkora=$(realpath "$build/src/app/kalkora")
bare=$(realpath "$build/bench/barewindow")
probe=$(realpath "$build/bench/startupprobe")

work=$(mktemp -d)
xvfb_pid=""
bus_pid=""
cleanup() {
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

display=""
for n in $(seq 140 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
# -noreset: a server that resets after each program leaves refuses the next
# one that connects during the reset.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.05
done

# Both programs see the same plain environment of a desktop session: a
# session bus of their own (without one, Qt would start one through X11
# autolaunch inside the measured time), a fresh home and runtime folder, and
# the working folder where Kalkora keeps set.dat.
mkdir -m 700 "$work/runtime" "$work/home" "$work/cwd"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
bus_address=$(echo "$bus" | sed -n 1p)
bus_pid=$(echo "$bus" | sed -n 2p)
run() {
    (cd "$work/cwd" && env -i DISPLAY="$display" HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS="$bus_address" \
        PATH=/usr/bin:/bin LANG=C.UTF-8 "$probe" "$@")
}

echo "machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo "warm-up (pixels checked): bare $(run --check-pixels "$bare")"
echo "warm-up (pixels checked): text $(run --check-pixels "$bare" --text)"
echo "warm-up (pixels checked): kalkora $(run --check-pixels "$kalkora")"
: >"$work/results"
for i in $(seq "$runs"); do
    echo "bare $(run "$bare")" >>"$work/results"
    echo "text $(run "$bare" --text)" >>"$work/results"
    echo "kalkora $(run "$kalkora")" >>"$work/results"
done

python3 - "$work/results" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    name, *fields = line.split()
    values = dict(f.split("=") for f in fields)
    rows.setdefault(name, []).append((float(values["paint_ms"]), int(values["rss_kb"])))

def summary(values):
    q = statistics.quantiles(values, n=4)
    return statistics.median(values), min(values), max(values), q[0], q[2]

print(f"{'program':8} {'runs':>4}  {'paint ms: median':>16} {'min':>7} {'max':>7} {'IQR':>15}"
      f"  {'RSS kB: median':>14} {'min':>7} {'max':>7}")
medians = {}
for name in ("bare", "text", "kalkora"):
    times = [t for t, _ in rows[name]]
    rss = [r for _, r in rows[name]]
    tm, tmin, tmax, q1, q3 = summary(times)
    rm, rmin, rmax, _, _ = summary(rss)
    medians[name] = (tm, rm)
    print(f"{name:8} {len(times):>4}  {tm:>16.1f} {tmin:>7.1f} {tmax:>7.1f} {q1:>7.1f}-{q3:<7.1f}"
          f"  {rm:>14.0f} {rmin:>7} {rmax:>7}")
time_ratio = medians["kalkora"][0] / medians["bare"][0]
rss_ratio = medians["kalkora"][1] / medians["bare"][1]
print(f"time ratio {time_ratio:.3f} (target <= 1.15: {'met' if time_ratio <= 1.15 else 'MISSED'})")
print(f"RSS ratio  {rss_ratio:.3f} (target <= 1.25: {'met' if rss_ratio <= 1.25 else 'MISSED'})")
# For reading the ratios: how much of the gap any window with words pays.
print(f"against the text window: time {medians['kalkora'][0] / medians['text'][0]:.3f},"
      f" RSS {medians['kalkora'][1] / medians['text'][1]:.3f}")
PY
