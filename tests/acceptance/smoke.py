# SPDX-License-Identifier: GPL-3.0-or-later
# One start of the built program in a real desktop session (run under
# scripts/xsession --wm --a11y), driven by keys from xdotool and read back only
# through the accessibility bus, as a screen reader reads it: the window
# centred by its frame, a wrong and a right check with the banner announced
# as an alert each time and gone three seconds after the last, the exit
# question in Hungarian (Esc does not take it away), and set.dat written on
# Yes.  usage: smoke.py <path to kalkora>
import os, struct, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import Atspi, GLib

WRONG, RIGHT = "Az eredmény HIBÁS!", "Ügyes vagy!"


def wait_for(probe, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            if (value := probe()) is not None:
                return value
        except Exception:  # an object can vanish between two calls
            pass
        time.sleep(0.02)
    sys.exit(f"FAIL: timed out waiting for {what}")


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def find(node, role, prefix=""):  # the first showing descendant
    for child in node:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            if child.getRole() == role and child.name.startswith(prefix):
                return child
            if (found := find(child, role, prefix)) is not None:
                return found
    return None


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


workdir = tempfile.TemporaryDirectory(prefix="kalkora-smoke-")  # removed at exit
program = subprocess.Popen([os.path.abspath(sys.argv[1])], cwd=workdir.name, env=dict(
    os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8"))
app = wait_for(lambda: next(a for a in pyatspi.Registry.getDesktop(0)
                            if a is not None and a.get_process_id() == program.pid), "the program")
app.set_cache_mask(Atspi.Cache.NONE)
frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME), "the main window")
wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE) or None, "an active window")
check(frame.name == "Kalkora gyakorló", f"caption {frame.name!r}")

window = run("xdotool", "search", "--pid", str(program.pid), "--onlyvisible", "--name", "K").split()[0]
inner = dict(line.strip().split(": ", 1) for line in run("xwininfo", "-id", window).splitlines()
             if ": " in line)
left, right, top, bottom = map(int, run("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[1]
                               .split(","))
screen = run("xdotool", "getdisplaygeometry").split()
for axis, size, before, after, whole in (("X", "Width", left, right, screen[0]),
                                         ("Y", "Height", top, bottom, screen[1])):
    gap = 2 * int(inner[f"Absolute upper-left {axis}"]) + int(inner[size]) + after - before - int(whole)
    check(abs(gap) <= 1, f"not centred by the frame: {gap} px off along {axis}")

shown = []
pyatspi.Registry.registerEventListener(lambda e: shown.append((time.monotonic(), e.source.name))
                                       if e.detail1 and e.source.getRole() == pyatspi.ROLE_ALERT
                                       else None, "object:state-changed:showing")
page = find(frame, pyatspi.ROLE_FILLER, "Összeadás")
number = lambda name: int(find(page, pyatspi.ROLE_LABEL, name + ": ").name.split(": ")[1])  # noqa
run("xdotool", "key", "--delay", "30", "Tab", "Tab")  # from the tab strip, past the button
field = find(page, pyatspi.ROLE_TEXT, "Válasz")
wait_for(lambda: field.getState().contains(pyatspi.STATE_FOCUSED) or None, "the answer field")
total = number("Első szám") + number("Második szám")
for typed, counter in ((total + 1, "Hibás válasz: 1"), (total, "Jó válasz: 1")):
    run("xdotool", "type", "--delay", "30", str(typed))
    run("xdotool", "key", "Return")
    wait_for(lambda: find(page, pyatspi.ROLE_LABEL, counter), counter)
# The right answer came while the wrong one's banner was still up: announced
# anew, and the banner stays three seconds from then on.
wait_for(lambda: shown if len(shown) == 2 else None, "two announcements")
check([name for _, name in shown] == [WRONG, RIGHT], f"announced {shown}")
wait_for(lambda: None if find(page, pyatspi.ROLE_ALERT) else True, "the banner to hide", 6)
check(2.5 < time.monotonic() - shown[-1][0] < 4.5, "the banner's three seconds")

run("xdotool", "key", "alt+b")
box = wait_for(lambda: next(c for c in app if c.name == " Kilépés " and find(c, pyatspi.ROLE_LABEL)),
               "the exit question")
check(find(box, pyatspi.ROLE_LABEL, "Biztos").name.strip() == "Biztos hogy Befejezed?", "question")
buttons = lambda: find(box, pyatspi.ROLE_PUSH_BUTTON, "Igen") and find(box, pyatspi.ROLE_PUSH_BUTTON, "Nem")  # noqa
run("xdotool", "key", "Escape")  # which does not answer it
time.sleep(0.5)
check(buttons() and program.poll() is None, "the buttons Igen and Nem, still there after Esc")
run("xdotool", "key", "Return")  # Yes, the default
check(program.wait(10) == 0, "exit code after Yes")
with open(os.path.join(workdir.name, "set.dat"), "rb") as f:
    check(struct.unpack("<7h", f.read()) == (50, 50, 50, 50, 5, 50, 5), "set.dat after Yes")
print("PASS: window, checks, banners, exit question, set.dat")
