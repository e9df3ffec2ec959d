#!/usr/bin/python3
"""Walks the program through the real accessibility bus, as a screen reader does.

Run under a display and a session bus (the CTest entry starts both: xvfb-run, dbus-run-session):
    atspi_walk.py PATH/TO/quellorin

The program runs on the xcb platform with Qt's AT-SPI bridge on. The walk reads the main window
and four calculator windows as a client of the bus: roles, names and states, and the events a screen
reader hears while it types into boxes and presses buttons through their actions. Each check is
printed; the last line counts them, and any failure makes the exit status 1.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from atspi_common import application, children, descendants, states, text_of, wait_for, window  # noqa: E402

MAIN_TITLE = "Carvido Software - Quellorin"


class Walk:
    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.events = []  # (event type, source, text) as they arrive

    def check(self, ok, what):
        if ok:
            self.passed += 1
            print("ok    " + what)
        else:
            self.failed += 1
            print("FAIL  " + what)
        return ok

    def on_event(self, event):
        try:
            self.events.append((event.type, event.source, str(event.any_data or "")))
        except Exception:  # an object already gone
            pass


def find(node, role, name=None):
    for d in descendants(node):
        if d.getRole() == role and (name is None or d.name == name):
            return d
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


def type_into(node, text):
    node.queryEditableText().setTextContents(text)


def heard(walk, box, text, since):
    """Whether a screen reader was told that `text` was written into `box` after event `since`."""
    for kind, source, data in walk.events[since:]:
        if kind.startswith("object:text-changed:insert") and source == box and data == text:
            return True
    return False


def open_from_menu(walk, app, main, title, item, caption):
    menu = find(main, pyatspi.ROLE_MENU_ITEM, title)
    entry = find(menu, pyatspi.ROLE_MENU_ITEM, item) if menu else None
    if not walk.check(entry is not None, "the menu %r holds %r" % (title, item)):
        return None
    press(entry)
    return wait_for(lambda: window(app, caption), "the window " + caption)


def check_window(walk, w, caption):
    walk.check(w.getRole() == pyatspi.ROLE_FRAME, "%r is a frame (%s)" % (caption, w.getRoleName()))
    unnamed = [
        d.getRoleName()
        for d in descendants(w)
        if d.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_RADIO_BUTTON)
        and pyatspi.STATE_SHOWING in states(d)
        and not d.name.strip()
    ]
    walk.check(not unnamed, "%r names every button, box and option %s" % (caption, unnamed))


def check_output(walk, box, what):
    s = states(box)
    walk.check(
        pyatspi.STATE_READ_ONLY in s and pyatspi.STATE_EDITABLE not in s,
        "%s reports read-only, not editable (%s)" % (what, ", ".join(sorted(pyatspi.stateToString(x) for x in s))),
    )


def ok_is_heard(walk, w, result_name, expected, formula=None):
    """Presses Ok twice: each time the result (and the worked formula) is told to the reader."""
    ok = find(w, pyatspi.ROLE_PUSH_BUTTON, "Ok")
    result = find(w, pyatspi.ROLE_TEXT, result_name)
    if not walk.check(ok is not None and result is not None, "Ok and the result box %r" % result_name):
        return
    for attempt in ("first", "second"):
        since = len(walk.events)
        press(ok)
        wait_for(lambda: heard(walk, result, expected, since), "the result %r" % expected)
        walk.check(text_of(result) == expected, "%s Ok writes %r" % (attempt, expected))
        walk.check(heard(walk, result, expected, since), "%s Ok announces the result %r" % (attempt, expected))
        if formula:
            box = find(w, pyatspi.ROLE_TEXT, "Worked formula")
            walk.check(box is not None and heard(walk, box, formula, since),
                       "%s Ok announces the worked formula %r" % (attempt, formula))
    check_output(walk, result, "the result box %r" % result_name)
    if formula:
        check_output(walk, find(w, pyatspi.ROLE_TEXT, "Worked formula"), "the worked-formula box")


def announced(w, text):
    """Whether the window has a screen reader say `text` without the focus moving (a notification)."""
    return wait_for(lambda: any(d.name == text for d in descendants(w) if d.getRole() == pyatspi.ROLE_NOTIFICATION),
                    "the announcement %r" % text)


def main():
    program = sys.argv[1]
    walk = Walk()
    pyatspi.Registry.registerEventListener(walk.on_event, "object:text-changed:insert")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="en_US.UTF-8",
               LC_ALL="en_US.UTF-8")
    proc = subprocess.Popen([program], env=env)
    try:
        app = wait_for(application, "the program on the accessibility bus")
        main_window = wait_for(lambda: window(app, MAIN_TITLE), "the main window")

        # The main window: a frame with its title, two named menu bars, no decorative pictures.
        check_window(walk, main_window, MAIN_TITLE)
        bars = [c for c in children(main_window) if c.getRole() == pyatspi.ROLE_MENU_BAR]
        walk.check(len(bars) == 2, "the main window has two menu bars (%d)" % len(bars))
        walk.check(all(b.name.strip() for b in bars), "the menu bars are named %s" % [b.name for b in bars])
        images = [d for d in descendants(main_window) if d.getRole() == pyatspi.ROLE_IMAGE]
        walk.check(not images, "no picture of the main window is presented (%d)" % len(images))
        splash = window(app, "Quellorin")
        walk.check(splash is not None and splash.getRole() == pyatspi.ROLE_FRAME,
                   "the splash window is a frame named Quellorin")

        # Displacement: typed as a student types, Ok pressed as a reader presses it; the result
        # and the worked formula are heard each time they are written.
        shift = open_from_menu(walk, app, main_window, "Motion", "Displacement", "Displacement")
        if shift:
            check_window(walk, shift, "Displacement")
            type_into(find(shift, pyatspi.ROLE_TEXT, "Enter the final  position"), "5")
            type_into(find(shift, pyatspi.ROLE_TEXT, "Enter the initial  position"), "2")
            ok_is_heard(walk, shift, "The displacement is", "3", "5 - 2")

        # Adding vectors: both results are heard.
        vectors = open_from_menu(walk, app, main_window, "Vectors", "Add Vectors",
                                 "Adding Non-Perpendicular Vectors")
        if vectors:
            check_window(walk, vectors, "Adding Non-Perpendicular Vectors")
            for name, text in (("Enter the magnitude of vector1", "3"), ("Enter the angle for vector1", "0"),
                               ("Enter the magnitude of vector2", "4"), ("Enter the angle for vector2", "90")):
                type_into(find(vectors, pyatspi.ROLE_TEXT, name), text)
            ok_is_heard(walk, vectors, "The resulting magnitude is", "5.000")
            angle = find(vectors, pyatspi.ROLE_TEXT, "The resulting angle is")
            walk.check(angle is not None and text_of(angle) == "53.130", "the resulting angle is written")
            check_output(walk, angle, "the resulting angle")

        # The equation window: its chart tells its points, Y at X is announced.
        eq = open_from_menu(walk, app, main_window, "General", "Equations/Graphs", "Equations and Graphs")
        if eq:
            check_window(walk, eq, "Equations and Graphs")
            chart = next((d for d in descendants(eq) if d.name == "Graph of Y against X"), None)
            walk.check(chart is not None and chart.description == "No points.",
                       "the empty graph says so (%r)" % (chart.description if chart else None))
            type_into(find(eq, pyatspi.ROLE_TEXT, "Y ="), "X^2")
            type_into(find(eq, pyatspi.ROLE_TEXT, "Starting value for X"), "-1")
            type_into(find(eq, pyatspi.ROLE_TEXT, "Ending value for X"), "1")
            press(find(eq, pyatspi.ROLE_PUSH_BUTTON, "Ok"))
            expected = "3 points: X -1, Y 1; X 0, Y 0; X 1, Y 1."
            wait_for(lambda: chart.description == expected, "the graph's points")
            walk.check(chart.description == expected, "the graph tells its points")
            walk.check(announced(eq, "The graph has 3 points, from X -1 to X 1."), "Ok says how many points")
            type_into(find(eq, pyatspi.ROLE_TEXT, "Enter a value for X"), "1")
            y = find(eq, pyatspi.ROLE_TEXT, "Y at X")
            since = len(walk.events)
            press(find(eq, pyatspi.ROLE_PUSH_BUTTON, "Calculate Y"))
            wait_for(lambda: heard(walk, y, "1.000", since), "Y at X")
            walk.check(heard(walk, y, "1.000", since), "Calculate Y announces Y")
            walk.check(announced(eq, "Y at X = 1 is 1.000"), "Calculate Y is said with its X")
            check_output(walk, y, "Y at X")

        # A window whose buttons each answer: the answer is said with its words and its unit.
        temperatures = open_from_menu(walk, app, main_window, "General", "Temperatures", "Temperature Conversion")
        if temperatures:
            type_into(find(temperatures, pyatspi.ROLE_TEXT, "Enter a temperature value."), "100")
            press(find(temperatures, pyatspi.ROLE_PUSH_BUTTON, "C To F"))
            walk.check(announced(temperatures, "The new temperature is 212.000 \u00b0F"),
                       "C To F says the new temperature with its unit")

        # Names are plain text everywhere the walk has been.
        broken = [
            "%s %r" % (d.getRoleName(), d.name)
            for w in children(app)
            for d in [w] + list(descendants(w))
            if "\n" in d.name or "\r" in d.name or "\n" in d.description or "\r" in d.description
        ]
        walk.check(not broken, "no name or description holds a line break %s" % broken)
    except SystemExit as gave_up:  # what the walk waited for never came
        walk.check(False, str(gave_up))
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
    print("%d passed, %d failed" % (walk.passed, walk.failed))
    return 1 if walk.failed or not walk.passed else 0


if __name__ == "__main__":
    sys.exit(main())
