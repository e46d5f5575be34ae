# A long evening with the real program and Orca, by keys only, checked after every step.
"""Run by soak-gui.sh inside run_orca_test.sh's session: soak_gui.py PROGRAM MINUTES.
Rounds until the time is up: the three text dialogs, the gallery, the difficulty, then a game at
that difficulty played by random keys (boxes answered, keys pressed while a box is open), lost
by the player's own bombs and ended by Yes then No, by No, or by Alt+F4. After every step: the
program alive, the words Orca says where the keyboard should be, nothing of a past game spoken
when a window opens, no role words, resident memory flat, no sanitizer report."""
import os
import random
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/frontend"))
from orca_acceptance import (GAME, Orca, entering_game, gallery_orders, key,  # noqa: E402
                             same_utterances, same_words)

BUTTON = " botón de pulsación"
DIALOGS = [("i", "Introducción"), ("n", "Instrucciones"), ("a", "Acerca de GUSANICIDA")]
# What the game writes in its status line: none of it may be heard when a window opens.
STATUS = re.compile(r"vidas te quedan|Has muerto|Monstruo eliminado|Cadena de bombas|^/?\d+\.?$"
                    r"|^\d+, \d+\.?$|^\d+\| \d+\.?$")
ROLE_WORDS = ("notificación", "barra de estado")
SANITIZER = re.compile(r"ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:")
OVER = "La partida ha terminado"
GAME_KEYS = ["Up", "Down", "Left", "Right"] * 4 + ["ctrl+Up", "ctrl+Left", "v", "z", "a",
                                                   "space", "shift", "Escape"]
RSS_GROWTH_MB = 8


class Evening:
    def __init__(self, program_path, minutes):
        self.orca, self.path = Orca(os.environ["ORCA_LOG"]), program_path
        # Orca's own word for a button, as this version says it.
        self.button = self.orca.log.wording(BUTTON)
        self.err_path = os.path.join(os.environ["XDG_RUNTIME_DIR"], "program.err")
        self.end = time.monotonic() + minutes * 60
        self.failures, self.steps, self.rss, self.entered, self.starts = [], 0, [], 0, 0
        self.rng = random.Random(7)
        self.start()

    def start(self):
        """Starts the program (again, after a step that failed left it somewhere unknown)."""
        if self.starts:
            self.program.kill()
            self.program.wait(timeout=5)
            self.memory_and_sanitizer_end()
        self.starts += 1
        since = self.orca.count()
        with open(self.err_path, "w") as err:
            self.program = subprocess.Popen([self.path], stderr=err,
                                            env=dict(os.environ, GUSANICIDA_SEED="7"))
        self.focus, self.rss = "INTRODUCCIÓN" + self.button, []
        return self.orca.wait_for(self.focus, since, 30) is not None

    # -- what the player hears
    def press(self, keys, wait_for=None, pause=0.12, quiet=1.0):
        """Presses keys; returns every word Orca says until it says wait_for (if given) and is
        quiet. The machine may be slow: Orca is given seconds."""
        since = self.orca.count()
        for k in keys.split():
            key(k)
            time.sleep(pause)
        if wait_for:
            self.orca.wait_for(wait_for, since, 10)
        self.orca.settle(quiet=quiet, timeout=10)
        return [u for _, u in self.orca.utterances()[since:]]

    def check(self, step, ok, said, alive_expected=True):
        self.steps += 1
        alive = self.program.poll() is None or not alive_expected
        role = [u for u in said if any(w in u for w in ROLE_WORDS)]
        problems = ([] if ok else [f"said {said}"]) + ([] if alive else ["the program died"]) + \
            ([f"role words {role}"] if role else [])
        if problems:
            self.failures.append(f"{step}: {'; '.join(problems)}")
            print(f"FAIL: {self.failures[-1]}", flush=True)
        return not problems

    def fresh(self, said):
        return not any(STATUS.search(u.strip()) for u in said)

    def back_on_menu(self, step, keys):
        """The menu has the keyboard on the button the player left, and says nothing old."""
        said = self.press(keys, wait_for=self.focus)
        ok = bool(said) and same_words(said[-1], self.focus) and self.fresh(said)
        ok = self.check(step, ok, said)
        self.press("Tab", wait_for=self.button.strip())
        back = self.press("shift+Tab", wait_for=self.focus)
        return self.check(f"{step}, Tab and back", bool(back) and same_words(back[-1],
                                                                           self.focus), back) and ok

    # -- the menu's windows
    def dialogs(self):
        for letter, title in DIALOGS:
            said = self.press(letter, wait_for="Aceptar" + self.button if letter == "i" else None,
                              quiet=1.5)
            self.check(f"dialog {title}", self.fresh(said) and any("diálogo" in u for u in said),
                       said)
            self.back_on_menu(f"dialog {title} closed by Escape", "Escape")

    def gallery(self):
        orders = gallery_orders(self.orca.log.major)
        said = self.press("o", wait_for=orders[0][-1])
        self.check("gallery", any(same_utterances(said, order) for order in orders), said)
        self.press("Down Down Down Up Up Up", pause=0.4, wait_for=orders[0][-1])
        self.back_on_menu("gallery closed by Enter", "Return")

    def difficulty(self):
        said = self.press("d")
        caption = next((u for u in said if "DIFICULTAD: " in u), "")
        self.check("difficulty", bool(caption), said)
        name = caption.replace(self.button, "").strip(" .")
        self.focus = name + self.button

    # -- a game
    def box_open(self):
        """Whether the last thing Orca announced was a box rather than the game window."""
        said = [u for _, u in self.orca.utterances()[self.entered:]]
        boxes = [i for i, u in enumerate(said) if u.startswith("alerta")]
        games = [i for i, u in enumerate(said) if same_words(u, GAME[-1])]
        if not boxes or (games and games[-1] > boxes[-1]):
            return None
        return " ".join(said[boxes[-1]:])

    def answer_box(self, box):
        """Keys a player presses while a box is open go nowhere harmful; Enter answers it."""
        self.press("v Left z ctrl+Up", pause=0.2)
        back = self.press("Return", wait_for=GAME[-1])
        self.check(f"box answered by Enter ({box[:40]})", self.fresh(back[:2]), back)

    def settle_boxes(self):
        """Answers every box but the game-over question; returns that question if it is up."""
        for _ in range(4):
            box = self.box_open()
            if box is None or OVER in box:
                return box
            self.answer_box(box)
        return self.box_open()

    def play(self, seconds):
        until = time.monotonic() + seconds
        while time.monotonic() < until:
            self.press(" ".join(self.rng.choice(GAME_KEYS) for _ in range(4)), pause=0.25,
                       quiet=0.4)
            if self.settle_boxes():
                return True
            probe = self.press("v", wait_for="vidas te quedan", quiet=0.5)
            if self.settle_boxes():
                return True
            if self.box_open() is None:
                self.check("game answers V", any("vidas te quedan" in u for u in probe), probe)
        return False

    def lose(self):
        """Lives lost at once, each to the player's own bomb set off where he stands."""
        for _ in range(12):
            if self.settle_boxes():
                return True
            self.press("space shift", pause=0.15, quiet=1.5)
        return bool(self.settle_boxes())

    def game(self, ending):
        said = self.press("j", wait_for=GAME[-1])
        self.entered = max(0, self.orca.count() - 2)
        ok = self.check("game entered, nothing old",
                        same_utterances(said, entering_game(self.orca.log.major)), said)
        over = self.play(self.rng.uniform(15, 30))
        if ending == "alt+F4" and not over:
            return self.back_on_menu("game left by Alt+F4", "alt+F4") and ok
        if ending == "yes":
            over = over or self.lose()
            self.check("game over asked (then Yes)", over, [self.box_open() or ""])
            said = self.press("Return", wait_for=GAME[-1])
            self.entered = max(0, self.orca.count() - 2)
            self.check("Yes: a new game, nothing old", self.fresh(said), said)
            over = self.play(10)
        over = over or self.lose()
        ok = self.check("game over asked", over, [self.box_open() or ""]) and ok
        return self.back_on_menu("game over answered No", "n") and ok

    # -- the rest of the checks
    def memory_and_sanitizer(self, round_):
        with open(f"/proc/{self.program.pid}/status") as status:
            rss = next(int(l.split()[1]) for l in status if l.startswith("VmRSS")) / 1024
        self.rss.append(rss)
        grown = rss - min(self.rss[1:] or self.rss)
        self.check(f"round {round_}: resident {rss:.1f} MB", len(self.rss) < 3 or
                   grown <= RSS_GROWTH_MB, [])
        with open(self.err_path, errors="replace") as err:
            report = [l for l in err if SANITIZER.search(l)]
        self.check(f"round {round_}: sanitizer", not report, report[:3])

    def run(self):
        if not self.check("menu spoken", self.orca.wait_for(self.focus, 0, 30) is not None, []):
            return 0
        self.orca.settle()
        round_ = 0
        while time.monotonic() < self.end and len(self.failures) < 20:
            round_ += 1
            self.dialogs()
            self.gallery()
            self.difficulty()
            if not self.game(("yes", "no", "alt+F4")[round_ % 3]):
                print("  the program is started again", flush=True)
                self.start()
                continue
            self.memory_and_sanitizer(round_)
            print(f"round {round_}: {self.steps} steps, resident {self.rss[-1]:.1f} MB, "
                  f"{len(self.failures)} failures", flush=True)
        key("s")
        try:
            code = self.program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            code = "none"
        self.check("S ends the program cleanly", code == 0, [f"exit status {code}"], False)
        self.memory_and_sanitizer_end()
        print(f"{'FAIL' if self.failures else 'PASS'}: {round_} rounds, {self.steps} checked "
              f"steps, {self.starts} starts of the program, resident memory (MB) after each "
              f"round since the last start: {' '.join(f'{r:.1f}' for r in self.rss)}")
        return round_

    def memory_and_sanitizer_end(self):
        with open(self.err_path, errors="replace") as err:
            lines = err.readlines()
        first = next((i for i, l in enumerate(lines) if SANITIZER.search(l)), None)
        if first is not None:  # the report itself, to be read where the run failed
            print("".join(lines[first:first + 120]), flush=True)
        self.check("sanitizer at the end", first is None, lines[first:first + 1] if first is not None else [],
                   False)


def main():
    evening = Evening(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 60)
    try:
        evening.run()
    finally:
        evening.program.kill()
        evening.program.wait(timeout=5)
    return 1 if evening.failures else 0


if __name__ == "__main__":
    sys.exit(main())
