# Plays a short game by keys with Orca running and checks, from Orca's speech log, that every
# status text, difficulty change and the gallery's first entry is spoken as its words alone.
"""Usage: orca_acceptance.py PATH_TO_GUSANICIDA (run by run_orca_test.sh, which sets ORCA_LOG).
The game is replayed with GUSANICIDA_SEMILLA=4: its worm walks down column 8 towards the
player's bomb laid at (8, 8), so the bomb kills it; the player's own bomb then kills him."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_speech import Orca, key, same_words  # noqa: E402

# What only Orca adds: role, window and state words, and the status label's description.
FOREIGN = ("notificación", "barra de estado", "diálogo", "Estado del juego", "GUSANICIDA")


class Scenario:
    def __init__(self, program):
        self.orca = Orca(os.environ["ORCA_LOG"])
        env = dict(os.environ, GUSANICIDA_SEMILLA="4")
        self.process = subprocess.Popen([program], env=env)
        self.failures = []
        self.heard = []

    def check(self, what, ok, said):
        self.heard.append(f"{'ok' if ok else 'FAIL'}: {what}: {said}")
        if not ok:
            self.failures.append(what)

    def hear(self, keys, text, alone=True):
        """After the keys, Orca says the text: as its only utterance, or among others."""
        since = self.orca.count()
        key(keys)
        self.orca.wait_for(text, since, 10)
        self.orca.settle()
        said = [u for _, u in self.orca.utterances()[since:]]
        heard = [u for u in said if same_words(u, text)]
        self.check(f"{keys} -> {text!r}", said == heard[:1] if alone else bool(heard), said)

    def wait_to_hear(self, what, text, timeout):
        since = self.orca.count()
        self.orca.wait_for(text, since, timeout)
        self.orca.settle()
        said = [u for _, u in self.orca.utterances()[since:]]
        self.check(f"{what} -> {text!r}", bool(said) and same_words(said[0], text), said)

    @staticmethod
    def foreign(said):
        return [u for u in said if not u.strip(" .") or any(w in u for w in FOREIGN)]

    def walk(self, *keys):
        for k in keys:
            key(k)

    def run(self):
        if self.orca.wait_for("INTRODUCCIÓN botón de pulsación", 0, 20) is None:
            raise AssertionError("the menu was not spoken")
        self.orca.settle()
        self.hear("Down", "JUGAR botón de pulsación")
        self.hear("Down", "DIFICULTAD: NORMAL botón de pulsación")
        for caption in ("DIFICULTAD: DIFÍCIL", "DIFICULTAD: FÁCIL", "DIFICULTAD: NORMAL"):
            self.hear("alt+d", caption)
        self.hear("alt+o", "Pulsa enter para volver al menú", alone=False)
        self.hear("Return", "DIFICULTAD: NORMAL botón de pulsación", alone=False)
        key("j")
        entering = [u for _, u in self.orca.settle()]
        self.check("entering the game says no empty or status words", not self.foreign(entering[1:]), entering)
        # To (8, 8), a bomb, back to (8, 12): the worm, at (8, 6) or (8, 7), is in its flames.
        self.walk("Right", "Up", "Up", "Up", "Up", "space", "Down", "Down", "Down", "Down")
        self.wait_to_hear("the bomb kills the worm", " Monstruo eliminado", 10)
        self.orca.settle()
        since = self.orca.count()
        key("Return")  # the box "¡Fase 1 superada!" closes
        self.orca.wait_for("GUSANICIDA marco", since, 10)
        self.orca.settle()
        for keys, text in (("v", "5 vidas te quedan"), ("z", "8, 12"), ("a", "0| 0"),
                           ("ctrl+Up", "/12")):
            self.hear(keys, text)
            self.hear(keys, text)
        time.sleep(4.5)  # the status is cleared by the next key more than 4 s after it changed
        key("space")
        self.wait_to_hear("the player's own bomb", "¡Has muerto! ¡Has muerto! ¡Has muerto! ", 8)
        self.orca.settle()
        self.hear("alt+F4", "DIFICULTAD: NORMAL botón de pulsación", alone=False)
        key("s")
        if self.process.wait(timeout=10) != 0:
            raise AssertionError("S on the menu did not end the program cleanly")
        spoken = [u for _, u in self.orca.utterances()]
        empty = [u for u in spoken if not u.strip(" .") or "notificación" in u or "barra de estado" in u]
        self.check("no empty notification and no status role words all along", not empty, empty)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)


def main():
    scenario = Scenario(sys.argv[1])
    try:
        scenario.run()
    except (AssertionError, subprocess.TimeoutExpired) as error:
        scenario.failures.append(str(error))
    finally:
        scenario.stop()
    print("\n".join(scenario.heard))
    if scenario.failures:
        print("FAIL:", "; ".join(scenario.failures))
        return 1
    print("PASS: Orca spoke every status, difficulty and gallery entry as its words alone")
    return 0


if __name__ == "__main__":
    sys.exit(main())
