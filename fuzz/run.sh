#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a bounded time, starting from its committed seed
# corpus (copied, so the run adds nothing to the tree). A finding (a crash, a
# sanitizer report, a failed check, a hang past 10 s) fails the run.
#
#   fuzz/run.sh [SECONDS per target] [BUILD dir]   (defaults 20, build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${2:-build/fuzz}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
for corpus in fuzz/corpus/*/; do
    name=$(basename "$corpus")
    target="$build/fuzz/${name}_fuzzer"
    mkdir -p "$work/$name" "$work/artifacts"
    cp "$corpus"* "$work/$name/" 2>/dev/null || true
    echo "== ${name}_fuzzer for ${seconds} s"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$name-" "$work/$name" \
        >"$work/$name.log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$name.log" | sed 's/^/   /'
        passed=$((passed + 1))
    else
        tail -n 40 "$work/$name.log"
        for a in "$work/artifacts/$name-"*; do
            [ -e "$a" ] && echo "   finding: $(base64 -w0 "$a")"
        done
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
