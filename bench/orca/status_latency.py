# Key to Orca's utterance of the status text, with the real screen reader (run by bench-orca.sh).
"""Plays the game standing still (GUSANICIDA_SEED=1: the worm never reaches the player in
the time measured) and presses V, Z, A and the radar in turn. For each key: the time from the
key (sent by xdotool) to Orca's SPEECH OUTPUT of the status text, on the clock of Orca's log,
and whether that text was the first thing Orca said after its own echo of the key."""

import os
import platform
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/frontend"))
from orca_acceptance import Orca, key, same_words  # noqa: E402

KEYS = [("v", "5 vidas te quedan"), ("z", "7, 12"), ("a", "1| 0"), ("ctrl+Left", "/7")]
ROUNDS = 10  # four keys a round: 40 keys


def conditions():
    orca = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout.strip()
    load = open("/proc/loadavg").read().split()[:3]
    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
    return (f"{orca}, speech-dispatcher with espeak-ng into a PulseAudio null sink, "
            f"{os.environ.get('LANG')}, Xvfb + openbox, Qt xcb; {cpu}, {os.cpu_count()} cores, "
            f"load average {' '.join(load)}; Linux {platform.release()}; Orca's key echo on")


def main():
    orca = Orca(os.environ["ORCA_LOG"])
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, GUSANICIDA_SEED="1"))
    try:
        if orca.wait_for(orca.log.wording("INTRODUCCIÓN botón de pulsación"), 0, 20) is None:
            print("FAIL: the menu was not spoken")
            return 1
        orca.settle()
        key("j")
        orca.wait_for("Zona de juego", 0, 10)
        orca.settle()
        delays, first, heard = [], 0, []
        for _ in range(ROUNDS):
            for keys, text in KEYS:
                since = orca.count()
                pressed = key(keys)
                found = orca.wait_for(text, since, 5)
                said = [u for _, u in orca.utterances()[since:]]
                heard.append(f"{keys}: {[u for t, u in orca.utterances(echo=True) if t >= pressed]}")
                if found is None:
                    continue
                delays.append((found[0] - pressed) * 1000)
                first += bool(said) and same_words(said[0], text)
                time.sleep(0.4)
    finally:
        program.kill()
        program.wait(timeout=5)
    print(f"Key to Orca's utterance of the status text (Orca {orca.log.major}, real screen reader)")
    print("conditions:", conditions())
    for line in heard[:len(KEYS)]:
        print("  Orca said (its key echo included) after", line)
    if not delays:
        print("FAIL: Orca spoke no status text")
        return 1
    delays.sort()
    print(f"keys {ROUNDS * len(KEYS)}, status spoken for {len(delays)}, "
          f"first after Orca's key echo for {first}")
    print(f"median {statistics.median(delays):.0f} ms, p90 {delays[int(0.9 * (len(delays) - 1))]:.0f} ms, "
          f"worst {delays[-1]:.0f} ms, best {delays[0]:.0f} ms (goal: median <= 150 ms)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
