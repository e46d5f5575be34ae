# Plays a short game by keys with Orca running and checks, from Orca's speech log, all that Orca
# says after each key: the menu, the difficulty, the gallery, the windows and every status text.
"""Usage: orca_acceptance.py PATH_TO_GUSANICIDA (run by run_orca_test.sh, which sets ORCA_LOG).
The game is replayed with GUSANICIDA_SEMILLA=4: its worm walks down column 8 towards the
player's bomb laid at (8, 8), so the bomb kills it; the player's own bomb then kills him."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_speech import Orca, key, same_words  # noqa: E402

NORMAL, GAME = "DIFICULTAD: NORMAL botón de pulsación", ["GUSANICIDA marco", "Zona de juego"]
GALLERY = ["SONIDOS marco", "Sonidos del juego", "Lista con 14 elementos",
           "Pulsa enter para volver al menú"]
STATUS = [("v", "5 vidas te quedan"), ("z", "8, 12"), ("a", "0| 0"), ("ctrl+Up", "/12")]
# Keys ("wait": 4.5 s, after which the next key clears the status) and all Orca says, in order.
STEPS = [("Down", ["JUGAR botón de pulsación"]), ("Down", [NORMAL]),
         ("alt+d", ["DIFICULTAD: DIFÍCIL"]), ("alt+d", ["DIFICULTAD: FÁCIL"]),
         ("alt+d", ["DIFICULTAD: NORMAL"]), ("alt+o", GALLERY),
         ("Return", ["GUSANICIDA", NORMAL]), ("j", GAME),
         # To (8, 8), a bomb, back to (8, 12): the worm, at (8, 6) or (8, 7), is in its flames.
         ("Right Up Up Up Up space Down Down Down Down", [" Monstruo eliminado",
          "alerta ¡Fase 1 superada!", "Busca la salida para pasar a la siguiente",
          "Aceptar botón de pulsación"]), ("Return", GAME),
         *[(k, [text]) for k, text in STATUS for _ in (1, 2)],
         ("wait space", ["¡Has muerto! ¡Has muerto! ¡Has muerto! "]),
         ("alt+F4", ["GUSANICIDA", NORMAL])]


def play(orca, program):
    """Plays the steps and S; returns the failures."""
    if orca.wait_for("INTRODUCCIÓN botón de pulsación", 0, 20) is None:
        return ["the menu was not spoken"]
    orca.settle()
    failures = []
    for keys, expected in STEPS:
        since = orca.count()
        for k in keys.split():
            time.sleep(4.5) if k == "wait" else key(k)
        orca.wait_for(expected[-1], since)
        orca.settle()
        said = [u for _, u in orca.utterances()[since:]]
        ok = len(said) == len(expected) and all(map(same_words, said, expected))
        print(f"{'ok' if ok else 'FAIL'}: {keys}: {said}" + ("" if ok else f", not {expected}"))
        failures += [] if ok else [keys]
    key("s")
    if program.wait(timeout=10) != 0:
        failures.append("S on the menu did not end the program cleanly")
    empty = [u for _, u in orca.utterances()
             if not u.strip(" .") or "notificación" in u or "barra de estado" in u]
    return failures + ([f"empty or status role words: {empty}"] if empty else [])


def main():
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, GUSANICIDA_SEMILLA="4"))
    try:
        failures = play(Orca(os.environ["ORCA_LOG"]), program)
    except subprocess.TimeoutExpired as error:
        failures = [str(error)]
    finally:
        if program.poll() is None:
            program.kill()
            program.wait(timeout=5)
    print(f"FAIL: {'; '.join(failures)}" if failures else "PASS: Orca said every step's words")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
