"""The window on a normal and on a high-density screen, in screenshots.

The program runs three times on one desktop: at the normal scale, with
QT_SCALE_FACTOR=2, and on a screen that announces 192 dpi (the Xft.dpi
resource). At double density the window must be exactly twice as large in
pixels, and the result banners must show their exact colours wherever they
are drawn, with their text on them.
"""

import kalkora_harness as h
from kalkora_harness import check, check_equal

RED = (255, 0, 0)
GREEN = (0, 255, 0)
WRONG = "Az eredmény HIBÁS!"
RIGHT = "Ügyes vagy!"

sizes = {}


def extents(node):
    return node.queryComponent().getExtents(h.pyatspi.DESKTOP_COORDS)


def banner_pixels(desktop, page, window, factor):
    """The pixels inside the banner, as the screen shows them."""
    width, height, data = desktop.screenshot(window)
    frame, banner = extents(desktop.frame), extents(
        next(c for c, role in page.controls if role == h.pyatspi.ROLE_ALERT))
    # One pixel in from each edge, where the banner's own colour is sure to be.
    left = round((banner.x - frame.x) * factor) + 1
    top = round((banner.y - frame.y) * factor) + 1
    right = round((banner.x - frame.x + banner.width) * factor) - 1
    bottom = round((banner.y - frame.y + banner.height) * factor) - 1
    check(0 <= left < right <= width and 0 <= top < bottom <= height,
          "the banner lies outside the window's screenshot")
    return [tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3])
            for y in range(top, bottom) for x in range(left, right)]


def check_banner_colour(pixels, colour, what):
    share = sum(p == colour for p in pixels) / len(pixels)
    check(share >= 0.6, f"{what}: only {share:.0%} of its pixels are exactly #{bytes(colour).hex()}")
    check(any(sum(p) < 200 for p in pixels), f"{what}: no text drawn on it")


def window_and_banners(desktop, scale=None, dpi=None):
    if scale or dpi:
        desktop.launch(scale=scale, dpi=dpi)
    window = desktop.window_id()
    width, height = desktop.window_size(window)
    factor = width / extents(desktop.frame).width
    sizes[(scale, dpi)] = (width, height)
    if (None, None) in sizes and (scale or dpi):
        normal = sizes[(None, None)]
        check_equal((width, height), (normal[0] * 2, normal[1] * 2),
                    f"window size in pixels at scale {scale} / {dpi} dpi")
        check_equal(factor, 2.0, "pixels per logical pixel")
    else:
        check_equal(width, 667, "window width in pixels at the normal scale")

    page = desktop.show_tab("Összeadás")
    desktop.tab_to(h.pyatspi.ROLE_TEXT, "Válasz")
    a, b = page.number("Első szám"), page.number("Második szám")
    desktop.type(str(a + b + 1))
    desktop.key("Return")
    desktop.wait_equal(page.banner, WRONG, "banner after a wrong answer")
    check_banner_colour(banner_pixels(desktop, page, window, factor), RED, "the wrong banner")
    a, b = page.number("Első szám"), page.number("Második szám")
    desktop.type(str(a + b))
    desktop.key("Return")
    desktop.wait_equal(page.banner, RIGHT, "banner after a right answer")
    check_banner_colour(banner_pixels(desktop, page, window, factor), GREEN, "the right banner")


def normal_scale(desktop):
    window_and_banners(desktop)


def scale_factor_two(desktop):
    window_and_banners(desktop, scale=2)


def screen_of_192_dpi(desktop):
    window_and_banners(desktop, dpi=192)


if __name__ == "__main__":
    h.run([normal_scale, scale_factor_two, screen_of_192_dpi])
