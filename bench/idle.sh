#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle check: once the banner timer has stopped, Kalkora should not wake up at
# all while nobody touches it. Runs the program in a private desktop session
# with openbox (scripts/xsession), and counts for 10 s (a) the voluntary
# context switches of each of
# its threads, from /proc (every wake-up from a wait ends in one), and (b) its
# system calls with strace -c -f. Three times: after start-up (the tab strip
# has the focus), right after a typed answer was checked (the answer field has
# the focus and its caret blinks), and once the caret has come to rest, 10 s
# after the last key.
#
#   bench/idle.sh [SECONDS]        (default 10; BUILD=build/perf)
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
seconds=${1:-10}
build=${BUILD:-build/perf}
[ -x "$build/src/app/kalkora" ] || cmake --build "$build" --target kalkora >/dev/null
kalkora=$(realpath "$build/src/app/kalkora")

# A private desktop with openbox, from the tests' session helper.
if [ -z "${KALKORA_XSESSION:-}" ]; then
    exec env KALKORA_XSESSION=1 scripts/xsession --wm -- "$self" "$@"
fi
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cd "$work"
"$kalkora" >/dev/null 2>&1 &
app=$!
pids+=("$app")
window=$(xdotool search --sync --onlyvisible --name "Kalkora" | head -1)

switches() {
    for task in /proc/"$app"/task/*; do
        printf '%s:%s ' "$(cat "$task/comm" | tr ' ' '_')" \
            "$(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$task/status")"
    done
}
# The /proc counts come from a quiet stretch of their own: strace stops and
# resumes every thread when it attaches and detaches, which counts as wake-ups.
measure() {
    local label=$1 span=$2
    local before after
    before=$(switches)
    sleep "$span"
    after=$(switches)
    echo "== $label: $span s"
    python3 - "$before" "$after" <<'PY'
import sys
b = dict(x.rsplit(":", 1) for x in sys.argv[1].split())
a = dict(x.rsplit(":", 1) for x in sys.argv[2].split())
total = 0
for name in a:
    d = int(a[name]) - int(b.get(name, a[name]))
    total += d
    print(f"   thread {name:<20} wake-ups {d}")
print(f"   all threads: {total} wake-ups")
PY
}
trace() {
    local span=$1
    timeout -s INT "$span" strace -f -c -o "$work/strace" -p "$app" >/dev/null 2>&1 || true
    echo "   system calls over the next $span s (strace -c -f):"
    local rows
    rows=$(sed -n '/^-/,$p' "$work/strace" | grep -v '^-' | sed 's/^/   /' || true)
    # strace -c prints no table at all when the process made no system call.
    echo "${rows:-   none}"
}

# The banner timer runs for 3 s from the window's creation.
sleep 4
measure "after start-up" "$seconds"
trace "$seconds"

# A click into the addition page's answer field, an answer, Enter.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool mousemove --window "$window" 250 155 click 1
sleep 0.2
xdotool type --delay 50 "7"
xdotool key Return
sleep 3.5
measure "3.5 s after a check, caret blinking" 5
sleep 2
measure "after the caret came to rest (10 s after the last key)" "$seconds"
trace "$seconds"
