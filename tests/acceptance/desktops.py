# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on the desktops families have, in a real desktop session
# (run under scripts/xsession --wm --a11y), judged from screenshots and the
# accessibility tree: every label of every page legible (3:1, the red banner
# showing) under the platform themes and colour schemes desktops set, while
# the end question follows them; the history list as under Qt's own font
# whatever the desktop's; the window left to right under a right-to-left
# language, whose words the end question still speaks; a limit just typed
# kept when the system ends the program by a signal; the menu bar kept on
# the window under a global menu.
#   usage: desktops.py <path to kalkora>
import collections, ctypes, os, re, select, signal, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import Gio

home = tempfile.TemporaryDirectory(prefix="kalkora-desktops-")  # removed at exit
OLD = bytes.fromhex("0B00 0C00 0D00 0E00 0300 1500 0400")
# A global menu, as Plasma has, which Qt would move every window's menu bar to.
Gio.bus_own_name_on_connection(Gio.bus_get_sync(Gio.BusType.SESSION), "com.canonical.AppMenu.Registrar", 0, None, None)
DARKER = "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n"


def gtk(theme, font=None):  # Qt's GTK theme, with a GTK style and font
    return ({"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": theme},
            {"gtk-3.0/settings.ini": f"[Settings]\ngtk-font-name={font}\n"} if font else {})


# Name, environment, files in the desktop's configuration folder, whether its
# colours are dark (None: Qt reads GTK's own colours only from 6.5 on, and
# before takes this theme for a light one; from 6.5 on the platform reports
# a dark style as a dark colour scheme), the end question's buttons. Hebrew
# loads Qt's translation, which would turn the window right to left.
DESKTOPS = (
    ("Qt's default", {}, {}, False, {"Yes", "No"}),
    ("qt6ct, darker", {"QT_QPA_PLATFORMTHEME": "qt6ct"}, {"qt6ct/qt6ct.conf": DARKER}, True, {"Yes", "No"}),
    ("gtk3, Adwaita:dark, GNOME's font", *gtk("Adwaita:dark", "Cantarell 11"), True, {"Yes", "No"}),
    ("gtk3, high contrast, a font 1.5x GNOME's", *gtk("HighContrast", "Cantarell 16.5"), False, {"Yes", "No"}),
    ("gtk3, high contrast dark", *gtk("HighContrastInverse"), None, {"Yes", "No"}),
    ("Hebrew", {"LANG": "he_IL.UTF-8"}, {}, False, {"כן", "לא"}),
)


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def wait_for(probe, what, timeout=20.0):
    deadline = time.monotonic() + timeout
    while not (value := probe()) and time.monotonic() < deadline:
        time.sleep(0.05)
    check(value, f"timed out waiting for {what}")
    return value


def holds(fault, timeout=5.0):  # fault() names what is wrong, or None; the window may still be painting
    deadline = time.monotonic() + timeout
    while (found := fault()) and time.monotonic() < deadline:
        time.sleep(0.1)
    check(not found, found)


def luminance(rgb):  # relative luminance, by which WCAG defines contrast
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in (v / 255 for v in rgb)]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    low, high = sorted((luminance(a), luminance(b)))
    return (high + 0.05) / (low + 0.05)


def screen():  # the screen's width and its pixels, three bytes each
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                          capture_output=True).stdout
    header = re.match(rb"P6\s(\d+)\s\d+\s255\s", data)
    return int(header[1]), data[header.end():]


def crop(picture, accessible):  # its rows of (r, g, b)
    (width, pixels), e = picture, accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return [[tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(e.x, e.x + e.width)]
            for y in range(e.y, e.y + e.height)]


def colours(picture, accessible):  # the background, most common, and the colour farthest from it
    counts = collections.Counter(pixel for row in crop(picture, accessible) for pixel in row)
    background = counts.most_common(1)[0][0]
    return background, max(counts, key=lambda pixel: contrast(pixel, background))


class Run:  # one start of the program under a desktop's settings, set.dat holding OLD (None: a folder)
    def __init__(self, env={}, settings={}, stored=OLD, stderr=None):
        config, self.folder = tempfile.mkdtemp(dir=home.name), tempfile.mkdtemp(dir=home.name)
        for path, text in settings.items():
            os.makedirs(os.path.dirname(f"{config}/{path}"), exist_ok=True)
            open(f"{config}/{path}", "w").write(text)
        os.mkdir(f"{self.folder}/set.dat") if stored is None else open(f"{self.folder}/set.dat", "wb").write(stored)
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)  # over nothing it shows
        self.process = subprocess.Popen([os.path.abspath(sys.argv[1])], cwd=self.folder, env={
            **os.environ, "XDG_CONFIG_HOME": config, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_LOGGING_RULES": "default.debug=false", "LANG": "C.UTF-8", "LC_ALL": "", **env}, stderr=stderr)
        # The gtk3 theme's GTK registers an application of its own, without the window.
        self.app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id()
                                          == self.process.pid and self.find(pyatspi.ROLE_PAGE_TAB, app=a)), None),
                            "the window")

    def find(self, *roles, name=None, app=None):  # what shows of those roles
        return [a for a in pyatspi.findAllDescendants(app or self.app, lambda a: a.getRole() in roles)
                if a.getState().contains(pyatspi.STATE_SHOWING) and name in (None, a.name)]

    def click(self, accessible):
        e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1"],
                       check=True)

    def ask(self):  # the end question, once it shows
        subprocess.run(["xdotool", "key", "alt+b"], check=True)
        return wait_for(lambda: self.find(pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT), "the end question")[0]

    def end(self, how=signal.SIGTERM):  # the exit code; a program that goes on fails the test
        self.process.send_signal(how)
        return self.process.wait(timeout=20)


# The button and the history list, in the pages' own font, look the same on
# every desktop and in every language, and the tabs read from the left in
# their order: left to right in Hebrew too.
def look(run):
    picture, tabs = screen(), run.find(pyatspi.ROLE_PAGE_TAB)
    return [crop(picture, a) for a in run.find(pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TABLE)] + \
        [t.name for t in sorted(tabs, key=lambda t: t.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)]


reference = None  # as the first desktop shows them
for name, env, settings, dark, yes_no in DESKTOPS:
    run = Run(env, settings)
    reference = reference or look(run)
    holds(lambda: None if look(run) == reference else f"{name}: the tabs, the button or the history list differ")
    holds(lambda: None if run.find(pyatspi.ROLE_MENU_BAR) else f"{name}: the menu bar is not on the window")
    for tab in run.find(pyatspi.ROLE_PAGE_TAB):
        run.click(tab)
        run.click(wait_for(lambda: run.find(pyatspi.ROLE_TEXT, name="Válasz"), f"{tab.name}: the answer field")[0])
        subprocess.run(["xdotool", "type", "--", "-1"], check=True)  # no problem has a negative answer
        subprocess.run(["xdotool", "key", "Return"], check=True)
        # Before Qt 6.8 the banner is a notification, as screen readers speak those.
        labels = pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION
        wait_for(lambda: run.find(*labels, name="Az eredmény HIBÁS!"), f"{tab.name}: the banner")
        holds(lambda: next((f"{name}, {tab.name}: {label.name!r} stands at {ratio:.2f}:1 against its background"
                            for picture in [screen()] for label in run.find(*labels)
                            if (ratio := contrast(*colours(picture, label))) < 3), None))
    question = run.ask()
    holds(lambda: None if dark is None or (luminance(colours(screen(), question)[0]) < 0.2) == dark
          else f"{name}: the end question does not follow the desktop")
    buttons = {b.name for b in pyatspi.findAllDescendants(question, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)}
    check(buttons == yes_no, f"{name}: the end question's buttons read {buttons}")
    check(run.end() == 0, f"{name}: the exit code after SIGTERM while asking")

# A settings file that can be neither read nor written is told in a box over
# the window at the start, and at the end after Yes; once read, the program ends.
run = Run(stored=None, stderr=subprocess.PIPE)


def read(told, key="Return"):  # waits for a box that says it, and closes it with the key
    def saying():
        return [d for d in run.find(pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
                if pyatspi.findDescendant(d, lambda a: told in a.name)]
    wait_for(saying, f"a box saying {told}")
    subprocess.run(["xdotool", "key", key], check=True)
    wait_for(lambda: not saying(), f"the box saying {told} to close")


read("nem sikerült betölteni")
run.ask()
read("Befejezed", "y")  # Yes, by its underlined letter
read("nem sikerült elmenteni")
logged = run.process.communicate(timeout=20)[1].decode()  # each fault told once on standard error too
check(run.process.returncode == 0 and logged.count("kalkora: ") == 2, f"the end after the save fault: {logged}")

# A limit typed, then the system ends the program: set.dat written once, as
# inotify counts it, with the limit as typed; a SIGKILL leaves the old file.
libc = ctypes.CDLL(None)
for how in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT, signal.SIGKILL):
    run = Run()
    run.click(run.find(pyatspi.ROLE_TEXT, name="Eredmény max.:")[0])
    subprocess.run(["xdotool", "key", "ctrl+a", "7", "7"], check=True)
    wait_for(lambda: run.find(pyatspi.ROLE_TEXT, name="Eredmény max.:")[0].queryText().getText(0, -1) == "77", "77")
    watch = libc.inotify_init1(os.O_NONBLOCK)
    libc.inotify_add_watch(watch, run.folder.encode(), 0x8 | 0x80)  # IN_CLOSE_WRITE, IN_MOVED_TO
    check(run.end(how) in (0, -signal.SIGKILL), f"{how.name}: the exit code")
    # Each event names its file, padded with zero bytes.
    writes = os.read(watch, 4096).count(b"set.dat\0") if select.select([watch], [], [], 0)[0] else 0
    stored = open(f"{run.folder}/set.dat", "rb").read()
    check((stored, writes) == ((OLD, 0) if how == signal.SIGKILL else (bytes.fromhex("4D00") + OLD[2:], 1)),
          f"{how.name}: set.dat holds {stored.hex()} after {writes} writes")
print("PASS: every desktop and language, the file faults, the signals")
