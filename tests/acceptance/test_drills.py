"""A wrong answer and two right ones on every page, typed as a child types them.

Each page is read back through the accessibility bus only: the problem from
the operand labels (the answer is computed here, as the first problem is
random), the counters, the percentage and the banner by their spoken names,
the history list through its table. The banner must be announced for every
check and must be gone about three seconds after the last one.
"""

import time
from dataclasses import dataclass
from typing import Callable, Optional

import kalkora_harness as h
from kalkora_harness import check, check_equal

WRONG = "Az eredmény HIBÁS!"
RIGHT = "Ügyes vagy!"
BANNER_SECONDS = 3.0


@dataclass
class Drill:
    tab: str
    first: str  # spoken name of the first number
    second: str  # and of the second
    solve: Callable[[int, int, str], int]  # (first, second, sign showing) -> answer
    problem: Callable[[int, int, str], str]  # the problem in words, answer unknown
    history_sign: Optional[str]  # pages with a history list
    focusable: frozenset  # names of the page's focusable controls


def in_words(a, sign, b):
    return f"Feladat: {a} {sign} {b} egyenlő mennyi?"


def completion_words(a, b, sign):
    return f"Feladat: {a} {sign} mennyi egyenlő {b}?"


DRILLS = [
    Drill("Összeadás", "Első szám", "Második szám", lambda a, b, _: a + b,
          lambda a, b, _: in_words(a, "plusz", b), "+",
          frozenset({"Nézzük...", "Válasz", "Eddigi feladatok", "Eredmény max.:"})),
    Drill("Kivonás", "Első szám", "Második szám", lambda a, b, _: a - b,
          lambda a, b, _: in_words(a, "mínusz", b), "-",
          frozenset({"Nézzük...", "Válasz", "Eddigi feladatok", "Szám max.:"})),
    # a + ? = b asks for b - a, a - ? = b for a - b.
    Drill("Pótlás", "Első szám", "Eredmény",
          lambda a, b, sign: b - a if sign == "plusz" else a - b, completion_words, None,
          frozenset({"Nézzük...", "Válasz", "Eredmény max.:"})),
    Drill("Szorzás", "Első szám", "Második szám", lambda a, b, _: a * b,
          lambda a, b, _: in_words(a, "szorozva", b), None,
          frozenset({"Nézzük...", "Válasz", "Eredmény max.:", "Szorzó max.:"})),
    Drill("Osztás", "Osztandó", "Osztó", lambda a, b, _: a // b,
          lambda a, b, _: in_words(a, "osztva", b), None,
          frozenset({"Nézzük...", "Válasz", "Eredmény max.:", "Osztó max.:"})),
]


def listen_for_banners(desktop):
    desktop.listen("object:state-changed:showing")


def announced(desktop, since):
    """(moment, name) of each banner that appeared since a moment, in order."""
    return [(t, name) for t, _type, name, role, shown in desktop.events
            if t >= since and role == h.pyatspi.ROLE_ALERT and shown == 1]


def problem_of(page, drill):
    a, b = page.number(drill.first), page.number(drill.second)
    sign = "plusz" if page.sign_showing("plusz") else "mínusz"
    return a, b, sign


def answer(desktop, text):
    desktop.type(text)
    desktop.key("Return")


def expect_counts(desktop, page, given, right, wrong, percent, banner):
    desktop.wait_equal(lambda: page.label("Felaldva"), f"Felaldva: {given} feladat",
                       f"given counter on {page.caption}")
    check_equal(page.label("Jó válasz"), f"Jó válasz: {right}", f"right counter on {page.caption}")
    check_equal(page.label("Hibás válasz"), f"Hibás válasz: {wrong}",
                f"wrong counter on {page.caption}")
    check_equal(page.label("Jó válaszok aránya"), f"Jó válaszok aránya: {percent}",
                f"percentage on {page.caption}")
    desktop.wait_equal(page.banner, banner, f"banner on {page.caption}")
    # Right or wrong, the field is emptied and keeps the focus for the next try.
    answer_field = page.answer
    check_equal(h.text_of(answer_field), "", f"answer field on {page.caption} after a check")
    check(desktop.has_state(answer_field, h.pyatspi.STATE_FOCUSED),
          f"the answer field on {page.caption} lost the focus")


def drill_step(drill):
    def step(desktop):
        page = desktop.show_tab(drill.tab)
        check_equal(page.focusable_names(), set(drill.focusable), f"names of the focusable controls on {drill.tab}")
        desktop.tab_to(h.pyatspi.ROLE_TEXT, "Válasz")
        started = time.monotonic()

        a, b, sign = problem_of(page, drill)
        check_equal(page.answer.description, drill.problem(a, b, sign),
                    f"the problem as the answer field describes it on {drill.tab}")
        expected = drill.solve(a, b, sign)
        rows = []

        answer(desktop, str(expected + 1))
        expect_counts(desktop, page, 1, 0, 1, "0 %", WRONG)
        check_equal(problem_of(page, drill), (a, b, sign),
                    f"problem on {drill.tab} after a wrong answer")
        rows.append([str(a), drill.history_sign, str(b), "=", ""])
        if drill.history_sign:
            check_equal(page.history()[1], rows, f"history on {drill.tab} after a wrong answer")

        answer(desktop, str(expected))
        expect_counts(desktop, page, 2, 1, 1, "50 %", RIGHT)
        rows.append([str(a), drill.history_sign, str(b), "=", str(expected)])
        if drill.history_sign:
            headers, found = page.history()
            check_equal(headers, ["Szám 1", drill.history_sign, "Szám 2", "=", "Eredmény"],
                        f"history headers on {drill.tab}")
            check_equal(found, rows, f"history on {drill.tab} after a right answer")

        a, b, next_sign = problem_of(page, drill)
        if drill.tab == "Pótlás":
            check(next_sign != sign, "the completion page did not switch to the other kind")
        answer(desktop, str(drill.solve(a, b, next_sign)))
        expect_counts(desktop, page, 3, 2, 1, "67 %", RIGHT)
        rows.append([str(a), drill.history_sign, str(b), "=", str(drill.solve(a, b, next_sign))])
        if drill.history_sign:
            check_equal(page.history()[1], rows, f"history on {drill.tab} after two right answers")

        announcements = announced(desktop, started)
        check_equal([name for _t, name in announcements], [WRONG, RIGHT, RIGHT],
                    f"banners announced on {drill.tab}")
        # The banner timer restarts with every check: the banner stays about
        # three seconds from the last announcement on.
        desktop.wait_for(lambda: page.banner() is None or None,
                         f"the banner on {drill.tab} to hide", timeout=BANNER_SECONDS + 4)
        shown_for = time.monotonic() - announcements[-1][0]
        check(BANNER_SECONDS - 0.5 <= shown_for <= BANNER_SECONDS + 1.5,
              f"the banner on {drill.tab} hid {shown_for:.1f} s after it was announced")

    step.__name__ = f"drill_{drill.tab}"
    return step


if __name__ == "__main__":
    h.run([listen_for_banners] + [drill_step(drill) for drill in DRILLS])
