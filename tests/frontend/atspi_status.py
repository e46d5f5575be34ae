# Plays the first moments of a game as a blind player would and listens as a screen reader does.
"""Starts the program, presses keys with xdotool and checks, from AT-SPI events, that:
the menu's first button is focused and named without its access key mark; J opens the game with
the keyboard focus on the board; V, Z and the radar (Ctrl+Up) each make the status label appear
again with the new text (or announce it), which a screen reader speaks while the focus stays on
the board; Alt+F4 abandons the game and gives the focus back to the menu; S ends the program."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_TIMEOUT_S = 12.0


class Listener:
    def __init__(self):
        self.events = []

    def __call__(self, event):
        try:
            role = event.source.getRoleName()
            name = event.source.name or ""
        except Exception:  # the object may already be gone
            role, name = "?", ""
        text = name
        if event.type.startswith("object:announcement"):
            text = str(event.any_data)
        self.events.append((event.type, event.detail1, role, text, event.source))


def spoken_status(e):
    """A status change a screen reader speaks without the focus: a notification shown again,
    or an announcement."""
    kind, detail, role, _, _ = e
    if kind.startswith("object:announcement"):
        return True
    return kind.startswith("object:state-changed:showing") and detail == 1 and role == "notification"


def focused(e):
    kind, detail, _, _, _ = e
    return kind.startswith("object:state-changed:focused") and detail == 1


class Scenario:
    def __init__(self, program):
        self.program = program
        self.listener = Listener()
        self.process = None
        self.failure = None
        self.board = None
        self.checks = []

    def key(self, keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False, timeout=5)

    def wait_for(self, what, predicate, since):
        deadline = time.monotonic() + STEP_TIMEOUT_S
        while time.monotonic() < deadline:
            context = GLib.MainContext.default()
            while context.pending():
                context.iteration(False)
            for e in self.listener.events[since:]:
                if predicate(e):
                    return e
            if self.process.poll() is not None:
                break
            time.sleep(0.02)
        raise AssertionError("no event: " + what + "\nevents seen:\n" + self.dump(since))

    def dump(self, since):
        return "\n".join(f"  {k} {d} {r} {t!r}" for k, d, r, t, _ in self.listener.events[since:])

    def press_and_expect(self, keys, what, predicate):
        since = len(self.listener.events)
        self.key(keys)
        event = self.wait_for(what, predicate, since)
        self.checks.append(f"{keys}: {what} -> {event[3]!r}")
        return event

    def status_is(self, text):
        return lambda e: spoken_status(e) and e[3] == text

    def run(self):
        registry = pyatspi.Registry
        registry.registerEventListener(
            self.listener,
            "object:state-changed:showing",
            "object:state-changed:focused",
            "object:announcement",
        )
        self.process = subprocess.Popen([self.program])
        first = self.wait_for(
            "the menu's first button focused",
            lambda e: focused(e) and e[2] == "push button" and e[3] == "INTRODUCCIÓN",
            0,
        )
        self.checks.append(f"start: focus on {first[3]!r}")
        board = self.press_and_expect(
            "j", "the board focused in the game window",
            lambda e: focused(e) and e[3] == "Zona de juego")
        self.board = board[4]
        self.press_and_expect("v", "lives spoken", self.status_is("5 vidas te quedan"))
        self.press_and_expect("z", "position spoken", self.status_is("7, 12"))
        self.press_and_expect("ctrl+Up", "radar spoken", lambda e: spoken_status(e) and e[3] != "")
        self.key("Left")
        self.press_and_expect("z", "new position spoken", self.status_is("6, 12"))
        states = self.board.getState()
        if not states.contains(pyatspi.STATE_FOCUSED):
            raise AssertionError("the board lost the keyboard focus while the game spoke")
        self.checks.append("the board kept the focus")
        # J pressed the button without moving the focus: it comes back where it was.
        self.press_and_expect(
            "alt+F4", "focus back on the menu after abandoning the game",
            lambda e: focused(e) and e[2] == "push button" and e[3] == "INTRODUCCIÓN")
        self.key("s")
        try:
            code = self.process.wait(timeout=STEP_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            raise AssertionError("S on the menu did not end the program")
        if code != 0:
            raise AssertionError(f"the program ended with code {code}")
        self.checks.append("S ended the program")

    def stop_program(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)


def main():
    scenario = Scenario(sys.argv[1])
    try:
        scenario.run()
    except AssertionError as error:
        print("FAIL:", error)
        for line in scenario.checks:
            print("  passed:", line)
        return 1
    finally:
        scenario.stop_program()
    for line in scenario.checks:
        print("ok:", line)
    print("PASS: the screen reader hears every status change with the focus on the board")
    return 0


if __name__ == "__main__":
    sys.exit(main())
