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
orca = Orca(os.environ["ORCA_LOG"])
heard, failures = [], []


def check(what, ok, said):
    heard.append(f"{'ok' if ok else 'FAIL'}: {what}: {said}")
    failures.extend([] if ok else [what])


def hear(keys, text, how="alone", timeout=10, what=""):
    """After the keys (if any), Orca says the text: alone, among others, or first."""
    since = orca.count()
    for k in keys.split():
        key(k)
    orca.wait_for(text, since, timeout)
    orca.settle()
    said = [u for _, u in orca.utterances()[since:]]
    mine = [u for u in said if same_words(u, text)]
    ok = bool(mine) and {"alone": said == mine[:1], "among": True, "first": said[0] == mine[0]}[how]
    check(f"{what or keys} -> {text!r}", ok, said)


def play(program):
    if orca.wait_for("INTRODUCCIÓN botón de pulsación", 0, 20) is None:
        raise AssertionError("the menu was not spoken")
    orca.settle()
    hear("Down", "JUGAR botón de pulsación")
    hear("Down", "DIFICULTAD: NORMAL botón de pulsación")
    for caption in ("DIFICULTAD: DIFÍCIL", "DIFICULTAD: FÁCIL", "DIFICULTAD: NORMAL"):
        hear("alt+d", caption)
    hear("alt+o", "Pulsa enter para volver al menú", "among")
    hear("Return", "DIFICULTAD: NORMAL botón de pulsación", "among")
    key("j")
    entering = [u for _, u in orca.settle()][1:]
    foreign = [u for u in entering if not u.strip(" .") or any(w in u for w in FOREIGN)]
    check("entering the game says no empty or status words", not foreign, entering)
    # To (8, 8), a bomb, back to (8, 12): the worm, at (8, 6) or (8, 7), is in its flames.
    for k in "Right Up Up Up Up space Down Down Down Down".split():
        key(k)
    hear("", " Monstruo eliminado", "first", what="the bomb kills the worm")
    since = orca.count()
    key("Return")  # the box "¡Fase 1 superada!" closes
    orca.wait_for("GUSANICIDA marco", since)
    orca.settle()
    for keys, text in (("v", "5 vidas te quedan"), ("z", "8, 12"), ("a", "0| 0"), ("ctrl+Up", "/12")):
        hear(keys, text)
        hear(keys, text)
    time.sleep(4.5)  # the status is cleared by the next key more than 4 s after it changed
    key("space")
    hear("", "¡Has muerto! ¡Has muerto! ¡Has muerto! ", "first", 8, "the player's own bomb")
    hear("alt+F4", "DIFICULTAD: NORMAL botón de pulsación", "among")
    key("s")
    if program.wait(timeout=10) != 0:
        raise AssertionError("S on the menu did not end the program cleanly")
    spoken = [u for _, u in orca.utterances()]
    empty = [u for u in spoken if not u.strip(" .") or "notificación" in u or "barra de estado" in u]
    check("no empty notification and no status role words all along", not empty, empty)


def main():
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, GUSANICIDA_SEMILLA="4"))
    try:
        play(program)
    except (AssertionError, subprocess.TimeoutExpired) as error:
        failures.append(str(error))
    finally:
        if program.poll() is None:
            program.kill()
            program.wait(timeout=5)
    print("\n".join(heard))
    print(f"FAIL: {'; '.join(failures)}" if failures else
          "PASS: Orca spoke every status, difficulty and gallery entry as its words alone")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
