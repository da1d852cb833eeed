#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: Kalkora against two floors built in the same tree, a
# bare Qt Widgets window and the least window a person can read (barewindow
# --text: a menu, a label and a text field), in a private X session. Each run
# is timed from fork to the first contents of the mapped window
# (bench/startupprobe.cpp), and the resident memory is read 1.5 s after that.
# The programs take turns, after one discarded warm-up each; the summary
# gives median, spread and the ratios of the medians, against the targets
# for the text window (time <= 1.15x, RSS <= 1.05x).
#
#   bench/startup.sh [RUNS]        (default 15; BUILD=build/perf)
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

runs=${1:-15}
build=${BUILD:-build/perf}
if [ ! -x "$build/bench/startupprobe" ] || [ ! -x "$build/src/app/kalkora" ]; then
    cmake --preset bench -B "$build" >/dev/null
    cmake --build "$build" --target kalkora barewindow startupprobe >/dev/null
fi
kalkora=$(realpath "$build/src/app/kalkora")
bare=$(realpath "$build/bench/barewindow")
probe=$(realpath "$build/bench/startupprobe")

# A private X server and session bus, from the tests' session helper: without
# a bus, Qt would start one through X11 autolaunch inside the measured time.
if [ -z "${KALKORA_XSESSION:-}" ]; then
    exec env KALKORA_XSESSION=1 scripts/xsession -- "$self" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every program sees the same plain environment of a desktop session: the
# session's display and bus, a fresh home and runtime folder, and the working
# folder where Kalkora keeps set.dat.
mkdir -m 700 "$work/runtime" "$work/home" "$work/cwd"
run() {
    (cd "$work/cwd" && env -i DISPLAY="$DISPLAY" HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
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
print(f"against the bare window: time {medians['kalkora'][0] / medians['bare'][0]:.3f},"
      f" RSS {medians['kalkora'][1] / medians['bare'][1]:.3f}")
time_ratio = medians["kalkora"][0] / medians["text"][0]
rss_ratio = medians["kalkora"][1] / medians["text"][1]
print(f"against the text window: time {time_ratio:.3f} "
      f"(target <= 1.15: {'met' if time_ratio <= 1.15 else 'MISSED'}), RSS {rss_ratio:.3f} "
      f"(target <= 1.05: {'met' if rss_ratio <= 1.05 else 'MISSED'})")
PY
