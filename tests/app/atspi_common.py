"""What the program's accessibility tests share: waiting on the accessibility bus, and finding
the program, its windows and their controls in the tree a screen reader reads."""

import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

TIMEOUT = 60.0  # seconds; the sanitizers slow the program down


def pump(seconds=0.05):
    """Lets the bus deliver what is pending for a moment."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(find, what, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            found = find()
        except Exception:  # the tree changes under the walk
            found = None
        if found:
            return found
    raise SystemExit("gave up waiting for " + what)


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def states(node):
    return set(node.getState().getStates())


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name == "Quellorin" and app.childCount:
            return app
    return None


def window(app, title):
    for w in children(app):
        if w.name == title and pyatspi.STATE_SHOWING in states(w):
            return w
    return None


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)
