#!/usr/bin/python3
"""What the Orca screen reader says while a student works Kinetic Energy, then a temperature
conversion, with the keyboard alone.

Run under a display and a session bus (the CTest entry starts both: xvfb-run, dbus-run-session):
    orca_speech.py PATH/TO/quellorin

Orca runs with its speech service and writes what it says to its debug log ("SPEECH OUTPUT" lines);
the program runs on the xcb platform with Qt's AT-SPI bridge on; xdotool types on the virtual
display as a keyboard does. The virtual display has no window manager, so the walk gives each new
window the keyboard itself, as a window manager gives a window that opens. Each check is printed;
the last line counts them, and any failure makes the exit status 1.
"""

import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from atspi_common import application, descendants, text_of, wait_for, window  # noqa: E402

MAIN_TITLE = "Carvido Software - Quellorin"


class Speech:
    """What Orca has said, read from its debug log as Orca writes it.

    Orca writes its debug log through a buffer that it flushes only when full, so the log is a
    terminal of the walk's own: written to a terminal, the log goes out line by line."""

    def __init__(self):
        self.master, self.terminal = pty.openpty()
        self.text = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            try:
                data = os.read(self.master, 65536)
            except OSError:
                return
            if not data:
                return
            with self.lock:
                self.text.append(data.decode("utf-8", errors="replace"))

    def lines(self):
        with self.lock:
            text = "".join(self.text)
        return re.findall(r"SPEECH OUTPUT: '(.*?)'", text)

    def mark(self):
        return len(self.lines())

    def since(self, mark):
        return self.lines()[mark:]

    def said(self, mark, *words):
        """The first utterance since the mark that holds every word, or None."""
        for line in self.since(mark):
            if all(w in line for w in words):
                return line
        return None


class Walk:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what):
        self.passed += bool(ok)
        self.failed += not ok
        print(("ok    " if ok else "FAIL  ") + what)
        return ok














def box(w, name):
    for d in descendants(w):
        if d.getRole() == pyatspi.ROLE_TEXT and d.name == name:
            return d
    return None


def menu_item_showing(w, menu, item):
    for m in descendants(w):
        if m.getRole() == pyatspi.ROLE_MENU_ITEM and m.name == menu:
            for i in descendants(m):
                if i.name == item and pyatspi.STATE_SHOWING in i.getState().getStates():
                    return True
    return False




def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def give_keyboard(app, title):
    """Gives the window the keyboard, as a window manager does when a window opens, and waits until
    the program has made it the active window."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)],
                           capture_output=True, text=True).stdout.split()
    if found:
        xdotool("windowfocus", "--sync", found[-1])
    wait_for(lambda: pyatspi.STATE_ACTIVE in window(app, title).getState().getStates(),
             "the window %r to be active" % title)


def keys(*names):
    for name in names:
        xdotool("key", "--delay", "60", name)
        time.sleep(0.15)


def chord(modifier, key):
    """A chord as a person plays it: the modifier held first, the key, then the modifier let go.
    With a screen reader listening, each key reaches the program a moment late; pressed together,
    Alt would reach the menu bar after the menu it opens and close it again."""
    xdotool("keydown", modifier)
    time.sleep(0.5)
    xdotool("key", key)
    time.sleep(0.3)
    xdotool("keyup", modifier)
    time.sleep(0.15)


def typed(text):
    xdotool("type", "--delay", "120", text)
    time.sleep(0.15)


def wait_said(speech, mark, words, what, timeout=20.0):
    try:
        return wait_for(lambda: speech.said(mark, *words), what, timeout)
    except SystemExit:
        return None


def enter_is_heard(walk, speech, words, what):
    """Presses Enter, and checks that Orca then says the words, with no other key pressed."""
    mark = speech.mark()
    keys("Return")
    said = wait_said(speech, mark, words, what)
    walk.check(said is not None, "Orca says %s, no key pressed since: %r (heard %s)" % (what, said, speech.since(mark)))


def main():
    program = sys.argv[1]
    walk = Walk()
    home = tempfile.mkdtemp(prefix="quellorin-orca-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"), GSETTINGS_BACKEND="memory",
               LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    # The speech service speaks through its dummy voice into a sound device that plays nothing.
    os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher"))
    with open(os.path.join(home, ".asoundrc"), "w") as f:
        f.write("pcm.!default { type null }\n")
    with open(os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher", "speechd.conf"), "w") as f:
        f.write('AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
    speech = Speech()
    orca = subprocess.Popen(["orca", "--debug-file=/dev/stdout"], env=env, stdout=speech.terminal,
                            stderr=subprocess.DEVNULL)
    os.close(speech.terminal)
    proc = None
    try:
        wait_for(lambda: speech.said(0, "Screen reader on"), "Orca to start")
        proc = subprocess.Popen([program], env=dict(env, QT_QPA_PLATFORM="xcb",
                                                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        app = wait_for(application, "the program on the accessibility bus")
        wait_for(lambda: window(app, MAIN_TITLE), "the main window")
        wait_for(lambda: window(app, "Quellorin"), "the splash window")

        # The splash window goes with Esc; from the main window the Energy menu opens Kinetic Energy.
        # Each key waits, as a listener does, until Orca has said where the keyboard is.
        give_keyboard(app, "Quellorin")
        keys("Escape")
        wait_for(lambda: not window(app, "Quellorin"), "the splash window to go")
        mark = speech.mark()
        give_keyboard(app, MAIN_TITLE)
        wait_for(lambda: speech.said(mark, MAIN_TITLE), "Orca to present the main window")
        chord("alt", "e")
        wait_for(lambda: menu_item_showing(window(app, MAIN_TITLE), "Energy", "Kinetic Energy"),
                 "the Energy menu to open")
        mark = speech.mark()
        keys("Return")
        energy = wait_for(lambda: window(app, "Kinetic Energy"), "the Kinetic Energy window")
        give_keyboard(app, "Kinetic Energy")
        mass = box(energy, "Enter the mass in Kg.")
        wait_for(lambda: speech.said(mark, "Enter the mass in Kg."), "Orca to say the mass box has the cursor")

        # The mass as the problem prints it: the comma is refused aloud, the keys after it are kept.
        mark = speech.mark()
        typed("1,200")
        walk.check(wait_said(speech, mark, ["You must enter a valid numerical expression"], "the refusal"),
                   "Orca says the refusal of the comma %s" % speech.since(mark))
        walk.check(text_of(mass) == "1200", "the mass box holds 1200 (%r)" % text_of(mass))
        keys("Tab")
        typed("25")
        enter_is_heard(walk, speech, ["375,000", "J"], "the answer with its unit")
        velocity = box(energy, "Enter the velocity in m/s.")
        walk.check(pyatspi.STATE_FOCUSED in velocity.getState().getStates(),
                   "the cursor stays in the velocity box")

        # A refused Ok: the message and the prompt of the box it is about are both said.
        chord("shift", "Tab")
        chord("ctrl", "a")
        keys("Delete")
        walk.check(text_of(mass) == "", "Ctrl+A and Delete empty the mass box (%r)" % text_of(mass))
        mark = speech.mark()
        keys("Return")
        wait_for(lambda: window(app, "Quellorin"), "the message box")
        give_keyboard(app, "Quellorin")
        said = wait_said(speech, mark, ["You must enter a value."], "the message")
        named = wait_said(speech, mark, ["Enter the mass in Kg."], "the prompt")
        walk.check(said is not None and named is not None,
                   "Orca says the message and the box's prompt %s" % speech.since(mark))
        keys("Return")
        wait_for(lambda: not window(app, "Quellorin"), "the message box to close")

        # A window whose buttons each answer: the answer of the button Enter presses is said too.
        give_keyboard(app, MAIN_TITLE)
        chord("alt", "g")
        wait_for(lambda: menu_item_showing(window(app, MAIN_TITLE), "General", "Temperatures"),
                 "the General menu to open")
        keys("Down", "Down", "Return")
        temperatures = wait_for(lambda: window(app, "Temperature Conversion"), "the Temperature Conversion window")
        give_keyboard(app, "Temperature Conversion")
        wait_for(lambda: pyatspi.STATE_FOCUSED in box(temperatures, "Enter a temperature value.").getState().getStates(),
                 "the cursor in the temperature box")
        typed("100")
        keys("Return")
        enter_is_heard(walk, speech, ["The new temperature is", "212.000"], "the conversion C To F made")
    except SystemExit as gave_up:  # what the walk waited for never came
        walk.check(False, str(gave_up))
    finally:
        for p in (proc, orca):
            if p is None:
                continue
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
        # The speech service Orca started goes too.
        for root, _, files in os.walk(env["XDG_RUNTIME_DIR"]):
            for name in files:
                if name == "speech-dispatcher.pid":
                    try:
                        with open(os.path.join(root, name)) as f:
                            os.kill(int(f.read().split()[0]), 15)
                    except (OSError, ValueError, IndexError):
                        pass
        if walk.failed:
            print("Orca said:\n  " + "\n  ".join(speech.lines()))
        shutil.rmtree(home, ignore_errors=True)
    print("%d passed, %d failed" % (walk.passed, walk.failed))
    return 1 if walk.failed or not walk.passed else 0


if __name__ == "__main__":
    sys.exit(main())
