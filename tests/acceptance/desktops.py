# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on the desktops families have, in a real desktop session
# (run under scripts/xsession --wm --a11y), judged from screenshots and the
# accessibility tree: every label of every page legible (3:1) under the
# platform themes and colour schemes desktops set, while the end question
# follows them; the history list the same under the desktop's fonts; the
# window left to right under a right-to-left language, whose words the end
# question still speaks; the limits typed kept when the system ends the
# program by a signal.
#   usage: desktops.py <path to kalkora>
import collections, ctypes, os, re, signal, subprocess, sys, tempfile, time

import pyatspi

home = tempfile.TemporaryDirectory(prefix="kalkora-desktops-")  # removed at exit
OLD = bytes.fromhex("0B00 0C00 0D00 0E00 0300 1500 0400")
DARKER = "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n"
# Name, environment, files in the desktop's configuration folder, whether its
# colours are dark (None: Qt reads GTK's own colours only from 6.5 on, and
# before takes this theme for a light one).
DESKTOPS = (
    ("Qt's default", {}, {}, False),
    ("qt6ct, darker", {"QT_QPA_PLATFORMTHEME": "qt6ct"}, {"qt6ct/qt6ct.conf": DARKER}, True),
    ("gtk3, Adwaita:dark, GNOME's font", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
     {"gtk-3.0/settings.ini": "[Settings]\ngtk-font-name=Cantarell 11\n"}, True),
    # Qt 6.5 and later take a dark colour scheme from this setting too.
    ("gtk3, dark preferred", {"QT_QPA_PLATFORMTHEME": "gtk3"},
     {"gtk-3.0/settings.ini": "[Settings]\ngtk-application-prefer-dark-theme=1\n"}, True),
    ("gtk3, high contrast, a font 1.5x GNOME's", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrast"},
     {"gtk-3.0/settings.ini": "[Settings]\ngtk-font-name=Cantarell 16.5\n"}, False),
    ("gtk3, high contrast dark", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrastInverse"}, {}, None),
)


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def wait_for(probe, what, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if value := probe():
            return value
        time.sleep(0.05)
    check(False, f"timed out waiting for {what}")


def holds(fault, timeout=5.0):  # fault() names what is wrong, or None; the window may still be painting
    deadline = time.monotonic() + timeout
    while (found := fault()) and time.monotonic() < deadline:
        time.sleep(0.1)
    check(not found, found)


def luminance(rgb):  # relative luminance, as WCAG defines contrast by it
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


def crop(picture, box):  # rows of (r, g, b)
    (width, pixels), (x, y, w, h) = picture, box
    return [[tuple(pixels[3 * (row * width + i):3 * (row * width + i) + 3]) for i in range(x, x + w)] for row in range(y, y + h)]


def colours(picture, box):  # the background, most common, and the colour that stands out most from it
    counts = collections.Counter(pixel for row in crop(picture, box) for pixel in row)
    background = counts.most_common(1)[0][0]
    return background, max(counts, key=lambda pixel: contrast(pixel, background))


class Run:  # one start of the program under a desktop's settings
    def __init__(self, env=(), settings=(), data=OLD):
        config, self.folder = tempfile.mkdtemp(dir=home.name), tempfile.mkdtemp(dir=home.name)
        for path, text in dict(settings).items():
            os.makedirs(os.path.dirname(f"{config}/{path}"), exist_ok=True)
            open(f"{config}/{path}", "w").write(text)
        self.file = f"{self.folder}/set.dat"
        open(self.file, "wb").write(data)
        self.process = subprocess.Popen([os.path.abspath(sys.argv[1])], cwd=self.folder, env=dict(
            os.environ, XDG_CONFIG_HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_LOGGING_RULES="default.debug=false", **dict(env)))
        # The gtk3 theme's GTK registers an application of its own, without the window.
        self.app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id()
                                          == self.process.pid and self.find(pyatspi.ROLE_PAGE_TAB, app=a)), None),
                            "the window")

    def find(self, *roles, name=None, app=None):  # what shows of those roles
        return [a for a in pyatspi.findAllDescendants(app or self.app, lambda a: a.getRole() in roles)
                if a.getState().contains(pyatspi.STATE_SHOWING) and name in (None, a.name)]

    def click(self, accessible):
        x, y, w, h = box(accessible)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)

    def keys(self, *keys):
        subprocess.run(["xdotool", *keys], check=True)

    def ask(self):  # the end question, once it shows
        self.keys("key", "alt+b")
        return wait_for(lambda: self.find(pyatspi.ROLE_DIALOG) + self.find(pyatspi.ROLE_ALERT), "the end question")[0]

    def end(self, how=signal.SIGTERM):
        self.process.send_signal(how)
        try:
            return self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            check(False, f"the program did not end on {how.name}")


def box(accessible):
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x, extents.y, extents.width, extents.height


# Controls in the pages' own font, which look the same on every desktop, and
# those in the desktop's font, which stand in the same places.
PICTURED = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TABLE
PLACED = pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB


def look(run, picture, role):
    if role in PICTURED:
        return [crop(picture, box(a)) for a in run.find(role)]
    left = box(run.find(pyatspi.ROLE_FRAME)[0])[0]
    return [box(a)[0] - left for a in run.find(role)]  # their size follows the font


def different(run, reference, roles, what):  # names the role of controls unlike the reference's
    picture = screen()
    return next((f"{what}: {role} unlike in the first window" for role in roles
                 if look(run, picture, role) != reference[role]), None)


# The window as it first shows, under Qt's own settings and in English.
run = Run(env={"LANG": "C.UTF-8"})
picture = screen()
reference = {role: look(run, picture, role) for role in PICTURED + PLACED}
run.end()

for name, env, settings, dark in DESKTOPS:
    run = Run(env, settings)
    # The history list, its header whole in its columns, as under Qt's own font.
    holds(lambda: different(run, reference, [pyatspi.ROLE_TABLE], name))
    for tab in run.find(pyatspi.ROLE_PAGE_TAB):
        run.click(tab)
        run.click(wait_for(lambda: run.find(pyatspi.ROLE_TEXT, name="Válasz"), f"{tab.name}: the answer field")[0])
        run.keys("type", "--", "-1")  # no problem has a negative answer: the red banner shows
        run.keys("key", "Return")
        # Before Qt 6.8 the banner is a notification, as screen readers speak those.
        labels = pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION
        wait_for(lambda: run.find(*labels, name="Az eredmény HIBÁS!"), f"{tab.name}: the banner")

        def illegible(picture=None):
            picture = screen()
            for label in run.find(*labels):
                if (ratio := contrast(*colours(picture, box(label)))) < 3:
                    return f"{name}, {tab.name}: {label.name!r} stands at {ratio:.2f}:1 against its background"
        holds(illegible)
    question = run.ask()
    holds(lambda: None if dark is None or (luminance(colours(screen(), box(question))[0]) < 0.2) == dark
          else f"{name}: the end question does not follow the desktop")
    check(run.end() == 0, f"{name}: the program did not end on SIGTERM")

# Hebrew, with Qt's translations: the window as in English, Qt's words in Hebrew.
run = Run(env={"LANG": "he_IL.UTF-8", "LC_ALL": "he_IL.UTF-8"})
holds(lambda: different(run, reference, PICTURED + PLACED, "Hebrew"))
buttons = {b.name for b in pyatspi.findAllDescendants(run.ask(), lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)}
check(buttons == {"כן", "לא"}, f"Hebrew: the end question's buttons read {buttons}")
check(run.end() == 0, "Hebrew: the program did not end on SIGTERM while asking")

# A limit typed, then the system ends the program: written once, as typed; a
# SIGKILL leaves the old file whole.
libc = ctypes.CDLL(None, use_errno=True)
for how in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT, signal.SIGKILL):
    run = Run()
    run.click(run.find(pyatspi.ROLE_TEXT, name="Eredmény max.:")[0])
    run.keys("key", "ctrl+a", "7", "7")
    wait_for(lambda: run.find(pyatspi.ROLE_TEXT, name="Eredmény max.:")[0].queryText().getText(0, -1) == "77", "77")
    watch = libc.inotify_init1(os.O_NONBLOCK)
    libc.inotify_add_watch(watch, run.folder.encode(), 0x8 | 0x80)  # IN_CLOSE_WRITE, IN_MOVED_TO
    check(run.end(how) in (0, -signal.SIGKILL), f"{how.name}: exit code")
    try:  # each event names its file, padded with zero bytes
        writes = os.read(watch, 4096).count(b"set.dat\0")
    except BlockingIOError:
        writes = 0
    expected = OLD if how == signal.SIGKILL else bytes.fromhex("4D00") + OLD[2:]
    check(open(run.file, "rb").read() == expected and writes == (how != signal.SIGKILL),
          f"{how.name}: set.dat holds {open(run.file, 'rb').read().hex()} after {writes} writes")
print("PASS: every desktop, Hebrew, the signals")
