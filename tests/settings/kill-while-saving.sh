#!/usr/bin/env bash
# Kills a process that saves set.dat in a loop at random moments, many times,
# and checks that the file always holds one whole record, old or new, with
# the bytes after it untouched: never a torn record, never a shorter file.
# Usage: kill-while-saving.sh <settingssaveloop> <replace|in-place> [rounds]
set -euo pipefail
saver=$(realpath "$1")
mode=$2
rounds=${3:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

tail_hex=deadbeef0001
first=0b000c000d000e00030015000400$tail_hex
second=fffffefffdfffcfffbfffafff9ff$tail_hex
# Hexadecimal text to bytes and back, with coreutils alone.
puthex() { printf "$(printf '%s' "$1" | sed 's/../\\x&/g')" > "$2"; }
hexof() { od -An -tx1 -v "$1" | tr -d ' \n'; }
puthex "$first" set.dat

torn=0
for ((round = 1; round <= rounds; round++)); do
    "$saver" "$mode" > started 2> errors &
    pid=$!
    # Let it get well into its saving, then stop it anywhere.
    for ((i = 0; i < 200; i++)); do
        [ -s started ] && break
        sleep 0.01
    done
    [ -s started ] || { echo "round $round: the saver did not start"; cat errors; exit 1; }
    sleep "0.00$((RANDOM % 10))"
    kill -9 "$pid"
    wait "$pid" 2> /dev/null || true
    : > started
    now=$(hexof set.dat)
    if [ "$now" != "$first" ] && [ "$now" != "$second" ]; then
        echo "round $round: set.dat holds $now"
        torn=$((torn + 1))
    fi
    # Temporary files of an interrupted save are the only other files.
    find . -maxdepth 1 -name 'set.dat?*' -delete
done
if [ -s errors ]; then
    echo "the saver reported:"
    cat errors
    exit 1
fi
echo "$mode: $rounds kills while saving, $torn torn"
[ "$torn" -eq 0 ]
