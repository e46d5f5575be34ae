# Keys to the program by xdotool, and what Orca spoke, read from its debug log.
import re
import subprocess
import time
from datetime import datetime

# Orca logs an utterance as SPEECH OUTPUT: 'text' followed by its voice; the echo of a key is
# logged with a blank between the text and the voice.
LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'( ?)(?:\{.*\}|voice=\S+)?\s*$")


def now_s():
    """Seconds since midnight, on the clock Orca stamps its log with."""
    t = datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def same_words(utterance, text):
    """Orca ends an utterance with a full stop where the text has no stop of its own."""
    u, t = utterance.strip(), text.strip()
    return u == t or u == t + "."


class Orca:
    def __init__(self, log_path):
        self.path = log_path

    def utterances(self, echo=False):
        """(time, text) of every utterance so far; the key echo only when asked for."""
        spoken = []
        with open(self.path, encoding="utf-8", errors="replace") as log:
            for line in log:
                m = LINE.match(line.rstrip("\n"))
                if m and (echo or not m.group(5)):
                    h, mi, s, text = m.group(1, 2, 3, 4)
                    spoken.append((int(h) * 3600 + int(mi) * 60 + float(s), text))
        return spoken

    def count(self):
        return len(self.utterances())

    def settle(self, quiet=0.8, timeout=10.0):
        """Waits until Orca has said nothing for `quiet` seconds; returns what it said."""
        start = self.count()
        deadline = time.monotonic() + timeout
        last, calm_since = start, time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            n = self.count()
            if n != last:
                last, calm_since = n, time.monotonic()
            elif time.monotonic() - calm_since >= quiet:
                break
        return self.utterances()[start:]

    def wait_for(self, text, since, timeout=10.0):
        """The first utterance after index `since` with the text's words, or None."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for t, u in self.utterances()[since:]:
                if same_words(u, text):
                    return t, u
            time.sleep(0.02)
        return None


def key(keys):
    """Presses keys; returns when, on Orca's clock."""
    t = now_s()
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False, timeout=5)
    return t
