#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: Kalkora against two floors built in the same tree, a
# bare Qt Widgets window and the least window a person can read (barewindow
# --text: a menu, a label and a text field), in a private X session. Each run
# is timed from fork to the first contents of the mapped window
# (bench/startupprobe.cpp), and the resident memory is read 1.5 s after that.
# The programs take turns, after one discarded warm-up each; the summary
# gives median, spread and the ratios of the medians, against the targets
# for the text window (time <= 1.3x, RSS <= 1.10x). Times move with the
# machine's load; the instructions executed up to the first paint under
# callgrind hardly do, so the text window and Kalkora are also counted that
# way, three runs each (median, spread and their ratio). It exits with 1
# when Kalkora misses either target.
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
command -v valgrind >/dev/null || { echo "startup.sh: needs valgrind" >&2; exit 1; }
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
for _ in $(seq "$runs"); do
    echo "bare $(run "$bare")" >>"$work/results"
    echo "text $(run "$bare" --text)" >>"$work/results"
    echo "kalkora $(run "$kalkora")" >>"$work/results"
done

# Instructions up to the first paint: the program ends on SIGINT as soon as
# its window is painted, and callgrind still writes its totals then.
count() { # NAME PROGRAM [ARGS...]
    local name=$1
    shift
    rm -f "$work/callgrind.out"
    run --end-after 0 valgrind -q --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
        "$@" >/dev/null
    echo "$name $(sed -n 's/^totals: *//p' "$work/callgrind.out")" >>"$work/instructions"
}
: >"$work/instructions"
for _ in 1 2 3; do
    count text "$bare" --text
    count kalkora "$kalkora"
done

python3 - "$work/results" "$work/instructions" <<'PY'
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
      f"(target <= 1.3: {'met' if time_ratio <= 1.3 else 'MISSED'}), RSS {rss_ratio:.3f} "
      f"(target <= 1.10: {'met' if rss_ratio <= 1.10 else 'MISSED'})")

counts = {}
for line in open(sys.argv[2]):
    name, count = line.split()
    counts.setdefault(name, []).append(int(count))
print("instructions to the first paint (callgrind):")
for name in ("text", "kalkora"):
    values = counts[name]
    spread = (max(values) - min(values)) / statistics.median(values) * 100
    print(f"{name:8} {len(values):>4}  median {statistics.median(values):,}  min {min(values):,}"
          f"  max {max(values):,}  spread {spread:.2f} %")
print(f"against the text window: instructions "
      f"{statistics.median(counts['kalkora']) / statistics.median(counts['text']):.3f}")
sys.exit(0 if time_ratio <= 1.3 and rss_ratio <= 1.10 else 1)
PY
