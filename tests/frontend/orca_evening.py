# Three games in a row by keys with Orca, as a player's evening goes: nothing of a past game on
# entering, every notification showing with its own name on AT-SPI, the menu's keyboard after No.
"""Run by run_orca_test.sh. Each game: J, then V, Z and the radar (read back by an AT-SPI client
of our own that reads each notification's name from its cache while the event is dispatched),
five deaths by the player's own bomb (Space, then Shift sets it off at once), No to another
game; then Tab on the menu must move the keyboard to the next button."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_acceptance import Orca, entering_game, key, same_utterances, same_words  # noqa: E402

STATUS = [("v", "5 vidas te quedan"), ("z", "7, 12"), ("ctrl+Left", "/7")]
OVER = "La partida ha terminado, ¿Deseas volver a jugar?"
ROLE_WORDS = ("notificación", "barra de estado")


def listen(out_path):
    """An AT-SPI client that reads, as a cache-keeping client does, the name of each
    notification as it turns showing, and writes one name a line."""
    import pyatspi
    out = open(out_path, "w", buffering=1, encoding="utf-8")

    def showing(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            out.write(event.source.name + "\n")

    pyatspi.Registry.registerEventListener(showing, "object:state-changed:showing")
    pyatspi.Registry.start()


class Names:
    def __init__(self, path):
        self.path, self.seen = path, 0
        qt = [int(n) for n in os.environ.get("GUS_QT_VERSION", "6.4").split(".")[:2]]
        self.notifications = qt < [6, 8]

    def new(self):
        with open(self.path, encoding="utf-8") as f:
            names = f.read().splitlines()
        fresh, self.seen = names[self.seen:], len(names)
        return fresh


def said_since(orca, since):
    return [u for _, u in orca.utterances()[since:]]


def step(orca, keys, expected=None, wait_for=None, pause=0.0):
    """Presses keys (a pause after each) and returns all Orca said, settled."""
    since = orca.count()
    for k in keys.split():
        key(k)
        time.sleep(pause)
    if wait_for or expected:
        orca.wait_for(wait_for or expected[-1], since)
    orca.settle()
    return said_since(orca, since)


def one_game(orca, names, game):
    failures = []
    entering = entering_game(orca.log.major)
    said = step(orca, "j", entering)
    if not same_utterances(said, entering):
        failures.append(f"game {game}: entering said {said}, not {entering}")
    names.new()
    for keys, text in STATUS:
        step(orca, keys, [text])
    heard = names.new()
    # Qt 6.8 and later announce by an event that carries its text: no notification shows.
    if names.notifications and heard != [t for _, t in STATUS]:
        failures.append(f"game {game}: notifications showed named {heard}")
    # Five lives, each lost at once: the bomb set off where the player stands.
    since = orca.count()
    for _ in range(5):
        step(orca, "space shift", pause=0.15)
        time.sleep(1.2)
    deadline = time.monotonic() + 10
    while not any(OVER in u for u in said_since(orca, since)) and time.monotonic() < deadline:
        time.sleep(0.1)
    orca.settle()
    if not any(OVER in u for u in said_since(orca, since)):
        failures.append(f"game {game}: no game-over question")
    menu, play = (orca.log.wording(f"{b} botón de pulsación") for b in ("INTRODUCCIÓN", "JUGAR"))
    step(orca, "n", wait_for=menu, pause=0.5)
    said = step(orca, "Tab", [play])
    if not said or not same_words(said[-1], play):
        failures.append(f"game {game}: after No, Tab on the menu said {said}")
    step(orca, "shift+Tab", [menu])
    print(f"game {game}: {'ok' if not failures else 'FAIL'}")
    return failures


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--listen":
        return listen(sys.argv[2])
    orca = Orca(os.environ["ORCA_LOG"])
    names_path = os.path.join(os.path.dirname(os.environ["ORCA_LOG"]), "names.txt")
    open(names_path, "w").close()
    listener = subprocess.Popen([sys.executable, __file__, "--listen", names_path])
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, GUSANICIDA_SEED="4"))
    failures = []
    try:
        if orca.wait_for(orca.log.wording("INTRODUCCIÓN botón de pulsación"), 0, 20) is None:
            failures.append("no menu")
        orca.settle()
        for game in (1, 2, 3) if not failures else ():
            failures += one_game(orca, Names(names_path), game)
        key("s")
        if program.wait(timeout=10) != 0:
            failures.append("S on the menu did not end the program cleanly")
    finally:
        program.kill()
        program.wait(timeout=5)
        listener.kill()
        listener.wait(timeout=5)
    chatter = [u for _, u in orca.utterances() if any(w in u for w in ROLE_WORDS)]
    failures += [f"role words: {chatter}"] if chatter else []
    print(f"FAIL: {'; '.join(failures)}" if failures else "PASS: three games, nothing stale")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
