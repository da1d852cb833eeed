"""The window as it opens, the keyboard order, the limit fields' minimums, and
the frame's close command, which saves the limits without asking.

The window is looked at from outside: its caption and tabs through the
accessibility bus, its frame, size and icon through the X properties that the
window manager reads.
"""

import os
import struct
import subprocess

import kalkora_harness as h
from kalkora_harness import check, check_equal

TABS = ["Összeadás", "Kivonás", "Pótlás", "Szorzás", "Osztás"]
CLIENT_SIZE = (667, 370)  # 10005 x 5550 twips at 96 dpi


def caption_and_tabs(desktop):
    check_equal(desktop.frame.name, "Kalkora gyakorló", "window caption")
    window = desktop.window_id()
    check('_NET_WM_NAME(UTF8_STRING) = "Kalkora gyakorló"' in desktop.xprop(window, "_NET_WM_NAME"),
          "the frame does not show the caption")
    tabs = [tab.name for tab in desktop.strip if tab.getRole() == h.pyatspi.ROLE_PAGE_TAB]
    check_equal(tabs, TABS, "tab captions")
    check_equal(desktop.current_tab(), "Összeadás", "tab in front at start")


def extents(node):
    return node.queryComponent().getExtents(h.pyatspi.DESKTOP_COORDS)


def fixed_frame_and_size(desktop):
    window = desktop.window_id()
    width, height = desktop.window_size(window)
    menu = desktop.find(desktop.frame, h.pyatspi.ROLE_MENU_BAR)
    check_equal((width, height - extents(menu).height), CLIENT_SIZE,
                "window size less the menu bar, in pixels")
    hints = desktop.xprop(window, "WM_NORMAL_HINTS")
    check(f"minimum size: {width} by {height}" in hints and
          f"maximum size: {width} by {height}" in hints,
          f"the frame can be resized: {hints.strip()}")
    actions = desktop.xprop(window, "_NET_WM_ALLOWED_ACTIONS")
    for action in ("_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT",
                   "_NET_WM_ACTION_RESIZE"):
        check(action not in actions, f"the window manager offers {action}")


def icons(desktop):
    """The window icons as {size: [(r, g, b, a), ...]}."""
    out = subprocess.run(["xprop", "-id", str(desktop.window_id()), "-notype", "32c",
                          "_NET_WM_ICON"], env=desktop.env, capture_output=True,
                         text=True).stdout
    check("=" in out, "the window has no icon")
    numbers = [int(n) for n in out.split("=", 1)[1].replace(",", " ").split()]
    found = {}
    while numbers:
        width, height = numbers[0], numbers[1]
        argb = numbers[2:2 + width * height]
        numbers = numbers[2 + width * height:]
        found[width] = [((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24) for p in argb]
        check_equal(width, height, "icon shape")
    return found


def is_yellow(p):
    return p[3] == 255 and p[0] > 200 and p[1] > 170 and p[2] < 130


def is_white(p):
    return p[3] == 255 and min(p[:3]) > 225


def is_grey(p):
    return p[3] == 255 and max(p[:3]) - min(p[:3]) < 16 and 60 < p[0] < 200


def window_icon(desktop):
    found = icons(desktop)
    check_equal(sorted(found), [16, 32], "icon sizes")
    for size, pixels in found.items():
        colours = {p for p in pixels if p[3] == 255}
        check(len(colours) <= 16, f"the {size} px icon has {len(colours)} colours")
        at = lambda x, y: pixels[int(y * size) * size + int(x * size)]  # noqa: E731
        # A yellow glass, a white highlight left of its middle, a grey base.
        check(is_yellow(at(0.6, 0.4)), f"the {size} px icon's glass is {at(0.6, 0.4)}")
        check(any(is_white(at(x / size, y / size)) for x in range(size // 2)
                  for y in range(size // 2)), f"the {size} px icon has no highlight on the left")
        check(not any(is_white(at(x / size, y / size)) for x in range(size * 2 // 3, size)
                      for y in range(size)), f"the {size} px icon has a highlight on the right")
        check(is_grey(at(0.5, 0.8)), f"the {size} px icon's base is {at(0.5, 0.8)}")
        check_equal(at(0.03, 0.97)[3], 0, f"the {size} px icon's corner alpha")


def tab_order_on_first_tab(desktop):
    role = h.pyatspi
    desktop.wait_for(lambda: desktop.focused_is(role.ROLE_PAGE_TAB_LIST, "Összeadás") or None,
                     "the focus on the tab strip at start")
    order = [(role.ROLE_PUSH_BUTTON, "Nézzük..."), (role.ROLE_TEXT, "Válasz"),
             (role.ROLE_TABLE, "Eddigi feladatok"), (role.ROLE_TEXT, "Eredmény max.:"),
             (role.ROLE_PAGE_TAB_LIST, "Összeadás")]
    for expected_role, name in order:
        before = desktop.focused()
        desktop.key("Tab")
        desktop.wait_for(lambda: desktop.focused() != before or None, f"Tab towards {name!r}")
        check(desktop.focused_is(expected_role, name),
              f"Tab went to {desktop.focused()!r}, not to {name!r}")


# tab, field caption, typed, text after leaving the field
LIMITS = [
    ("Összeadás", "Eredmény max.:", "5", "10"),
    ("Összeadás", "Eredmény max.:", "250", "250"),
    ("Kivonás", "Szám max.:", "abc", "10"),
    ("Pótlás", "Eredmény max.:", "", "10"),
    ("Szorzás", "Eredmény max.:", "9", "10"),
    ("Szorzás", "Szorzó max.:", "1", "2"),
    ("Osztás", "Eredmény max.:", "19", "20"),
    ("Osztás", "Osztó max.:", "3.5", "3.5"),
]
# What the close must then store, in the record's order of the seven limits.
STORED = [250, 10, 10, 10, 2, 20, 4]


def limit_minimums(desktop):
    for tab, caption, typed, shown in LIMITS:
        page = desktop.show_tab(tab)
        desktop.tab_to(h.pyatspi.ROLE_TEXT, caption)
        desktop.key("ctrl+a", "BackSpace")
        desktop.type(typed)
        desktop.wait_equal(lambda: h.text_of(page.limit(caption)), typed,
                           f"{tab} {caption} while typing")
        desktop.key("Tab")
        desktop.wait_equal(lambda: h.text_of(page.limit(caption)), shown,
                           f"{tab} {caption} after leaving it with {typed!r}")


def frame_close_saves_without_asking(desktop):
    check_equal(os.path.getsize(desktop.settings_path), 0, "set.dat size before the close")
    desktop.key("alt+F4")
    check_equal(desktop.wait_exit(), 0, "exit code after a frame close")
    with open(desktop.settings_path, "rb") as f:
        stored = f.read()
    check_equal(len(stored), 14, "set.dat size after a frame close")
    check_equal(list(struct.unpack("<7h", stored)), STORED, "limits in set.dat")


if __name__ == "__main__":
    h.run([caption_and_tabs, fixed_frame_and_size, window_icon, tab_order_on_first_tab,
           limit_minimums, frame_close_saves_without_asking])
