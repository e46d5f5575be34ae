# Plays a game by keys with Orca running and checks all Orca says after each key (its keys by
# xdotool and its reading of Orca's log serve bench/orca too). Run by run_orca_test.sh.
"""With GUSANICIDA_SEED=4 the worm walks down column 8 towards the player's bomb laid at
(8, 8), so the bomb kills it; the player's own bomb then kills him."""
import os
import subprocess
import sys
import time
from datetime import datetime

from orca_log import Log

NORMAL, GAME = "DIFICULTAD: NORMAL botón de pulsación", ["GUSANICIDA marco", "Zona de juego"]
GALLERY = ["SONIDOS marco", "Sonidos del juego", "Lista con 14 elementos",
           "Pulsa enter para volver al menú"]
STATUS = [("v", "5 vidas te quedan"), ("z", "8, 12"), ("a", "0| 0"), ("ctrl+Up", "/12")]
# Keys ("wait": 4.5 s, after which the next key clears the status) and all Orca says, in order.
STEPS = [("Down", ["JUGAR botón de pulsación"]), ("Down", [NORMAL]),
         *[("alt+d", [f"DIFICULTAD: {d}"]) for d in ("DIFÍCIL", "FÁCIL", "NORMAL")],
         ("alt+o", GALLERY), ("Return", ["GUSANICIDA", NORMAL]), ("j", GAME),
         # To (8, 8), a bomb, back to (8, 12): the worm, at (8, 6) or (8, 7), is in its flames.
         ("Right Up Up Up Up space Down Down Down Down", [" Monstruo eliminado",
          "alerta ¡Fase 1 superada!", "Busca la salida para pasar a la siguiente",
          "Aceptar botón de pulsación"]), ("Return", GAME),
         *[(k, [text]) for k, text in STATUS for _ in (1, 2)],
         ("wait space", ["¡Has muerto! ¡Has muerto! ¡Has muerto! "]),
         ("alt+F4", ["GUSANICIDA", NORMAL])]


def gallery_orders(major):
    """The ways Orca says the gallery opening: Orca 48 says the list's name and size in one
    utterance, and leaves the list unnamed when its focus event comes after its entry's."""
    if major < 48:
        return [GALLERY]
    return [[GALLERY[0], " ".join(GALLERY[1:3]), GALLERY[3]], [GALLERY[0], GALLERY[3]]]


def entering_game(major):
    """What Orca says when the game window opens: Orca 48 may leave out the role word."""
    return GAME if major < 48 else [("GUSANICIDA marco", "GUSANICIDA"), GAME[1]]


def steps_for(major):
    """The steps as this Orca says them, each a list of utterances or a tuple of such lists.
    Orca 48 speaks a focused button's new caption itself, with its role (Orca 43 hears no
    caption change, so the program announces it). It handles a new window's events before others
    queued with them, so a status announced just before a box may come after the box, and a
    window's name comes with its role word or without."""
    if major < 48:
        return STEPS
    window, steps = entering_game(major)[0], []
    for keys, said in STEPS:
        said = [f"{said[0]} botón de pulsación"] if keys == "alt+d" else said
        said = [window if text in window else text for text in said]
        if said == GALLERY:
            said = tuple(gallery_orders(major))
        elif said[0] == " Monstruo eliminado":
            said = (said, said[1:] + said[:1])
        steps.append((keys, said))
    return steps


def same_words(utterance, text):
    """Orca ends an utterance with a full stop where the text has no stop of its own; a tuple
    of texts is any one of them."""
    if isinstance(text, tuple):
        return any(same_words(utterance, one) for one in text)
    return utterance.strip() in (text.strip(), text.strip() + ".")


def same_utterances(said, expected):
    return len(said) == len(expected) and all(map(same_words, said, expected))


class Orca:
    def __init__(self, log_path):
        self.log = Log(log_path)

    def utterances(self, echo=False):
        """(seconds since midnight, text) of every utterance so far; key echoes when asked."""
        return self.log.utterances(echo)

    def count(self):
        return len(self.utterances())

    def settle(self, quiet=0.8, timeout=10.0):
        """Waits until Orca has said nothing for `quiet` seconds (at most `timeout` seconds)."""
        last, deadline, calm_since = self.count(), time.monotonic() + timeout, time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - calm_since < quiet:
            time.sleep(0.05)
            if self.count() != last:
                last, calm_since = self.count(), time.monotonic()

    def wait_for(self, text, since, timeout=10.0):
        """The first (time, utterance) after index `since` with the text's words, or None."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for t, u in self.utterances()[since:]:
                if same_words(u, text):
                    return t, u
            time.sleep(0.02)


def key(keys):
    """Presses keys; returns when, in seconds since midnight as Orca stamps its log."""
    t = datetime.now()
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False, timeout=5)
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def play(orca, program):
    """Plays the steps and S; returns the failures."""
    menu = orca.log.wording("INTRODUCCIÓN botón de pulsación")
    failures = [] if orca.wait_for(menu, 0, 20) else ["no menu"]
    orca.settle()
    for keys, expected in steps_for(orca.log.major) if not failures else []:
        orders = [[orca.log.wording(text) for text in order]
                  for order in (expected if isinstance(expected, tuple) else (expected,))]
        since = orca.count()
        for k in keys.split():
            time.sleep(4.5) if k == "wait" else key(k)
        orca.wait_for(orders[0][-1], since)
        orca.settle()
        said = [u for _, u in orca.utterances()[since:]]
        ok = any(same_utterances(said, order) for order in orders)
        expected = orders if len(orders) > 1 else orders[0]
        print(f"{'ok' if ok else 'FAIL'}: {keys}: {said}" + ("" if ok else f", not {expected}"))
        failures += [] if ok else [keys]
    key("s")
    if program.wait(timeout=10) != 0:
        failures.append("S on the menu did not end the program cleanly")
    empty = [u for _, u in orca.utterances()
             if not u.strip(" .") or "notificación" in u or "barra de estado" in u]
    return failures + ([f"empty or status role words: {empty}"] if empty else [])


def main():
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, GUSANICIDA_SEED="4"))
    try:  # a program that does not end is a failure too: its TimeoutExpired ends the driver
        failures = play(Orca(os.environ["ORCA_LOG"]), program)
    finally:
        program.kill()  # nothing to do if it has ended
        program.wait(timeout=5)
    print(f"FAIL: {'; '.join(failures)}" if failures else "PASS: Orca said every step's words")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
