# Key to sound with and without the screen reader: the same busy game, Orca running, then gone.
"""Run by bench-keysound.sh inside run_orca_test.sh's session. The game plays into a null sink of
its own ("juego", through SDL's PulseAudio driver), Orca's speech into the session's other sink.
bench_keysound sends the keys (XTest) and times, on the sink's monitor, each step's first sample.
A key is held when its sound comes 100 ms or more after it. The reader's own late answers are
the program's `QSpiApplication::keyEventError ... NoReply` lines: Qt's bridge gave up waiting for
the reader; the game's own keys no longer wait for that answer, the others still do."""
import os
import platform
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/frontend"))
from orca_acceptance import Orca, key  # noqa: E402

BENCH = os.path.join(os.path.dirname(os.path.abspath(sys.argv[1])), "bench_keysound")


def conditions(seconds):
    orca = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout.strip()
    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo")
                if l.startswith("model name")), "?")
    pulse = subprocess.run(["pulseaudio", "--version"], capture_output=True, text=True).stdout
    return (f"{orca} (key echo on), speech-dispatcher + espeak-ng, {os.environ.get('LANG')}; "
            f"Xvfb + openbox, Qt xcb; {pulse.strip()} null sink, SDL pulseaudio driver; keys by "
            f"XTest every 150-450 ms for {seconds} s a run (45 % steps, 20 % Shift, radar, V/Z/A, "
            f"bombs; Enter answers any box); {cpu}, {os.cpu_count()} cores, load {open('/proc/loadavg').read()[:14]};"
            f" Linux {platform.release()}")


def busy_game(program, seconds, orca):
    """Plays the game for `seconds`; returns bench_keysound's output and the no-reply count."""
    log = os.path.join(os.environ["XDG_RUNTIME_DIR"], "program.log")
    env = dict(os.environ, GUSANICIDA_SEED="1", SDL_AUDIODRIVER="pulseaudio",
               PULSE_SINK="juego")
    with open(log, "w") as err:
        game = subprocess.Popen([program], env=env, stderr=err, stdout=subprocess.DEVNULL)
    try:
        if orca:
            orca.wait_for("INTRODUCCIÓN botón de pulsación", 0, 20)
            orca.settle()
        else:
            time.sleep(4)
        key("j")
        time.sleep(2)
        run = subprocess.run([BENCH, "juego.monitor", str(seconds)], capture_output=True,
                             text=True, timeout=seconds + 60)
    finally:
        game.kill()
        game.wait(timeout=5)
    with open(log, errors="replace") as err:
        noreply = sum("keyEventError" in line and "NoReply" in line for line in err)
    return run.stdout + run.stderr, noreply


def figures(out, result):
    line = next((l for l in out.splitlines() if l.startswith(result + " ")), None)
    if line is None:
        return None
    words = line.split()
    return {words[i]: float(words[i + 1]) for i in range(1, len(words) - 1, 2)}


def row(name, seconds, out, noreply, kind, result):
    f = figures(out, result)
    detail = next((l for l in out.splitlines() if l.startswith(kind + " ")), out.strip()[-200:])
    held = [l.split()[1] for l in out.splitlines() if l.startswith(f"held-{kind} ")]
    if held:
        detail += "; held (ms): " + " ".join(held)
    if f is None:
        return f"  {name} {kind}: no figures ({detail})"
    return (f"  {name:13s} {kind:6s} median {f['median']:6.1f}  p99 {f['p99']:6.1f}  max "
            f"{f['max']:6.1f} ms  held >= 100 ms: {f['held100']:.0f}; the reader's late answers "
            f"(NoReply): {noreply} in {seconds} s  [{detail}]")


def stop_orca():
    """Ends this session's Orca, found by its own log's name, and waits until it is gone."""
    mine = subprocess.run(["pgrep", "-f", "--", f"--debug-file={os.environ['ORCA_LOG']}"],
                          capture_output=True, text=True).stdout.split()
    for pid in mine:
        os.kill(int(pid), signal.SIGTERM)
    for _ in range(50):
        if not any(os.path.exists(f"/proc/{pid}") for pid in mine):
            return
        time.sleep(0.1)


def main():
    program = sys.argv[1]
    with_orca = int(os.environ.get("KEYSOUND_SECONDS", "600"))
    without = int(os.environ.get("KEYSOUND_SECONDS_WITHOUT", "120"))
    subprocess.run(["pactl", "load-module", "module-null-sink", "sink_name=juego"], check=True,
                   stdout=subprocess.DEVNULL)
    out_with, noreply_with = busy_game(program, with_orca, Orca(os.environ["ORCA_LOG"]))
    stop_orca()
    out_without, noreply_without = busy_game(program, without, None)
    print("Key (X event, XTest) to the first sample of its sound at the sink, the game's own "
          "stream: the steps that sound, and Shift (always a sound)")
    print("conditions:", conditions(with_orca))
    for name, seconds, out, noreply in [("with Orca", with_orca, out_with, noreply_with),
                                        ("without Orca", without, out_without, noreply_without)]:
        for kind, result in (("steps", "RESULT"), ("shifts", "RESULT-SHIFT")):
            print(row(name, seconds, out, noreply, kind, result))
    print("goal: with Orca median within 5 ms of without, p99 <= 30 ms, no key held in 10 minutes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
