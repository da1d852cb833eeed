"""The end command: Alt+B asks; No keeps everything, Yes (Enter) saves and ends.

The program starts with stored limits, so the test also sees them come back
into the limit fields; at the end set.dat must hold the limits as they stand,
one of them typed below its minimum and never left.
"""

import struct

import kalkora_harness as h
from kalkora_harness import check, check_equal

STORED = [40, 30, 20, 60, 4, 70, 6]
# Where each of the seven stored limits shows, in the record's order.
FIELDS = [("Összeadás", "Eredmény max.:"), ("Kivonás", "Szám max.:"),
          ("Pótlás", "Eredmény max.:"), ("Szorzás", "Eredmény max.:"),
          ("Szorzás", "Szorzó max.:"), ("Osztás", "Eredmény max.:"),
          ("Osztás", "Osztó max.:")]
TYPED_LIMIT = "7"  # below the addition field's minimum of 10

state = {}


def stored_limits_shown(desktop):
    for (tab, caption), value in zip(FIELDS, STORED):
        page = desktop.show_tab(tab)
        check_equal(h.text_of(page.limit(caption)), str(value), f"{tab} {caption} at start")
    desktop.show_tab("Összeadás")


def snapshot(page):
    return {prefix: page.label(prefix) for prefix in
            ("Első szám", "Második szám", "Felaldva", "Jó válasz", "Hibás válasz",
             "Jó válaszok aránya")} | {"limit": h.text_of(page.limit("Eredmény max.:")),
                                       "history": page.history()[1]}


def check_and_type_a_limit(desktop):
    page = desktop.show_tab("Összeadás")
    desktop.tab_to(h.pyatspi.ROLE_TEXT, "Válasz")
    desktop.type("1000")
    desktop.key("Return")
    desktop.wait_equal(lambda: page.label("Hibás válasz"), "Hibás válasz: 1", "wrong counter")
    desktop.tab_to(h.pyatspi.ROLE_TEXT, "Eredmény max.:")
    desktop.key("ctrl+a")
    desktop.type(TYPED_LIMIT)
    desktop.wait_equal(lambda: h.text_of(page.limit("Eredmény max.:")), TYPED_LIMIT,
                       "the typed limit")
    state["page"] = page
    state["before"] = snapshot(page)
    with open(desktop.settings_path, "rb") as f:
        state["file"] = f.read()


def exit_question(desktop):
    def showing_box():
        for child in desktop.app:
            if child is not None and child.name.strip() == "Kilépés" \
                    and desktop.is_showing(child):
                return child
        return None
    box = desktop.wait_for(showing_box, "the exit question after Alt+B")
    check_equal(box.name, " Kilépés ", "title of the exit question")
    labels = desktop.descendants(box, lambda o: o.getRole() == h.pyatspi.ROLE_LABEL)
    check(any(label.name.startswith("Biztos hogy Befejezed?") for label in labels),
          f"the exit question asks {[label.name for label in labels]!r}")
    buttons = desktop.descendants(box, lambda o: o.getRole() == h.pyatspi.ROLE_PUSH_BUTTON)
    check_equal([b.name for b in buttons], ["Igen", "Nem"], "buttons of the exit question")
    desktop.wait_for(lambda: desktop.focused_is(h.pyatspi.ROLE_PUSH_BUTTON, "Igen") or None,
                     "the focus on Igen, the default answer")
    return box


def end_then_no_keeps_everything(desktop):
    desktop.key("alt+b")
    box = exit_question(desktop)
    desktop.key("Tab")
    desktop.wait_for(lambda: desktop.focused_is(h.pyatspi.ROLE_PUSH_BUTTON, "Nem") or None,
                     "the focus on Nem")
    desktop.key("space")
    desktop.wait_for(lambda: not desktop.is_showing(box) or None, "the exit question to close")
    desktop.wait_for(lambda: desktop.has_state(desktop.frame, h.pyatspi.STATE_ACTIVE) or None,
                     "the main window to be active again")
    check(desktop.process.poll() is None, "the program ended after No")
    check_equal(snapshot(state["page"]), state["before"], "the addition page after No")
    with open(desktop.settings_path, "rb") as f:
        check_equal(f.read(), state["file"], "set.dat after No")


def end_then_enter_saves_and_ends(desktop):
    desktop.key("alt+b")
    exit_question(desktop)
    desktop.key("Return")
    check_equal(desktop.wait_exit(), 0, "exit code after Yes")
    with open(desktop.settings_path, "rb") as f:
        stored = f.read()
    check_equal(len(stored), 14, "set.dat size after Yes")
    check_equal(list(struct.unpack("<7h", stored)), [int(TYPED_LIMIT)] + STORED[1:],
                "limits in set.dat after Yes")


if __name__ == "__main__":
    h.run([stored_limits_shown, check_and_type_a_limit, end_then_no_keeps_everything,
           end_then_enter_saves_and_ends], settings=struct.pack("<7h", *STORED))
