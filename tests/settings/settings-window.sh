#!/usr/bin/env bash
# Runs the built program in a real X session (Xvfb, with openbox as the
# window manager for the frame's close) in temporary folders, ends it the
# ways a person does, and checks what set.dat holds afterwards.
# Usage: settings-window.sh <kalkora executable>
set -euo pipefail
program=$(realpath "$1")
for tool in Xvfb openbox xdotool xprop xwininfo setpriv od; do
    command -v "$tool" > /dev/null || { echo "needs $tool"; exit 1; }
done

pids=()
work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
    wait 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Xvfb picks a display number nobody uses and tells it, so that tests
# running side by side never share a server. -noreset: the server would
# otherwise reset each time its last client leaves, as every probe below does.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
for ((i = 0; i < 100; i++)); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry > /dev/null 2>&1 || fail "Xvfb did not start"

# Up to 30 s for openbox to claim the screen; an openbox that ends before it
# does (it once found no display on a busy CI machine) is started again.
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
wm=
for ((i = 0; i < 300; i++)); do
    managed && break
    if [ -z "$wm" ] || ! kill -0 "$wm" 2> /dev/null; then
        openbox --sm-disable >> "$work/openbox.log" 2>&1 &
        wm=$!
        pids+=("$wm")
    fi
    sleep 0.1
done
managed || fail "openbox did not start on $DISPLAY: $(cat "$work/openbox.log")"

# UTF-8, so that the tools read and print the windows' Hungarian titles.
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8

puthex() { printf "$(printf '%s' "$1" | sed 's/../\\x&/g')" > "$2"; }
hexof() { od -An -tx1 -v "$1" | tr -d ' \n'; }

expect_file() { # folder, expected bytes in hexadecimal
    local now
    now=$(hexof "$1/set.dat")
    [ "$now" = "$2" ] || fail "set.dat holds '$now', expected '$2'"
}

# The first visible window of this title and window type (NORMAL or DIALOG).
window_of() { # title regex, type
    local deadline=$((SECONDS + 20)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name "$1" 2> /dev/null); do
            if xprop -id "$id" _NET_WM_WINDOW_TYPE 2> /dev/null | grep -q "_NET_WM_WINDOW_TYPE_$2"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

gone() { # window id
    ! xdotool search --onlyvisible --name '.' 2> /dev/null | grep -qx "$1"
}

start() { # folder, [user]
    cd "$1"
    if [ $# -gt 1 ]; then
        setpriv --reuid="$2" --regid=nogroup --clear-groups "$program" 2> stderr &
    else
        "$program" 2> stderr &
    fi
    app=$!
    pids+=("$app")
    cd - > /dev/null
}

main_window() {
    window_of '^Kalkora gyakorló$' NORMAL || fail "no main window"
}

press() { # window id, keys...
    local id=$1
    shift
    xdotool windowactivate --sync "$id" > /dev/null 2>&1 || true
    xdotool key --clearmodifiers "$@"
}

ended() { # seconds
    local deadline=$((SECONDS + $1))
    while ((SECONDS < deadline)); do
        kill -0 "$app" 2> /dev/null || { wait "$app" || true; return 0; }
        sleep 0.1
    done
    return 1
}

initial=3200320032003200050032000500
tail=deadbeef0001

echo "first run, closed through the frame with Alt+F4"
dir="$work/first"
mkdir "$dir"
start "$dir"
win=$(main_window)
[ -f "$dir/set.dat" ] && [ ! -s "$dir/set.dat" ] || fail "no empty set.dat at start-up"
# Centred on the whole screen by its outer size, frame included.
read -r sw sh < <(xdotool getdisplaygeometry)
x=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
w=$(xwininfo -id "$win" | awk '/Width:/ {print $2}')
h=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
read -r fl fr ft fb < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
left=$((x - fl)) top=$((y - ft)) outer_w=$((w + fl + fr)) outer_h=$((h + ft + fb))
dx=$((2 * left + outer_w - sw)) dy=$((2 * top + outer_h - sh))
((dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1)) ||
    fail "frame ${outer_w}x${outer_h} at $left,$top is not centred on ${sw}x${sh}"
press "$win" alt+F4
ended 10 || fail "the program did not end after Alt+F4"
expect_file "$dir" "$initial"
! grep -q '^kalkora:' "$dir/stderr" || fail "reported: $(cat "$dir/stderr")"

echo "Alt+B: Esc and the box's close do nothing, Enter answers Yes"
dir="$work/yes"
mkdir "$dir"
stored=0700fdff0c0000800080ff7f0200
puthex "$stored$tail" "$dir/set.dat"
inode=$(stat -c %i "$dir/set.dat")
start "$dir"
win=$(main_window)
press "$win" alt+b
box=$(window_of 'Kil' DIALOG) || fail "no question after Alt+B"
title=$(xprop -id "$box" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
[ "$title" = " Kilépés " ] || fail "the question's title is '$title'"
press "$box" Escape
press "$box" alt+F4
sleep 0.5
! gone "$box" || fail "Esc or the frame's close took the question away"
kill -0 "$app" || fail "the program ended without an answer"
press "$box" Return
ended 10 || fail "the program did not end after Yes"
# 7, 12, 2 and the extremes come back as stored, with the tail; a
# subtraction limit of -3 and a product limit of -32768 admit no problem, so
# start-up gave those fields their minimum, 10. The save replaced the file.
expect_file "$dir" "07000a000c000a000080ff7f0200$tail"
[ "$(stat -c %i "$dir/set.dat")" != "$inode" ] || fail "Yes did not write set.dat"

echo "Alt+B, No: nothing changes; the frame's close then saves"
dir="$work/no"
mkdir "$dir"
puthex "0c0009" "$dir/set.dat"
start "$dir"
win=$(main_window)
before=$(stat -c '%i %Y %s' "$dir/set.dat")
press "$win" alt+b
box=$(window_of 'Kil' DIALOG) || fail "no question after Alt+B"
press "$box" alt+n
for ((i = 0; i < 50; i++)); do
    gone "$box" && break
    sleep 0.1
done
gone "$box" || fail "No did not close the question"
sleep 0.3
kill -0 "$app" || fail "the program ended after No"
[ "$(stat -c '%i %Y %s' "$dir/set.dat")" = "$before" ] || fail "No touched set.dat"
press "$win" alt+F4
ended 10 || fail "the program did not end after Alt+F4"
# A file of 3 bytes holds the first field only: the others keep their
# initial texts, and the file grows to a whole record.
expect_file "$dir" "0c00${initial:4}"

echo "a folder that takes no file, as an unprivileged user"
dir="$work/locked"
mkdir "$dir"
start "$dir" nobody
report=$(window_of '^Kalkora gyakorló$' DIALOG) || fail "no report of the unreadable settings"
press "$report" Return
win=$(main_window)
press "$win" alt+F4
ended 10 || fail "the program did not end after Alt+F4"
[ ! -e "$dir/set.dat" ] || fail "set.dat appeared in a locked folder"
# Start-up's failure and the save's, both also on standard error.
[ "$(grep -c '^kalkora: .*set.dat' "$dir/stderr")" -eq 2 ] || fail "standard error: $(cat "$dir/stderr")"

echo "4 passed, 0 failed"
