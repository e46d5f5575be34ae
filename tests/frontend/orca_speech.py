# Keys to the program by xdotool, and what Orca spoke, read from its debug log.
import re
import subprocess
import time
from datetime import datetime

# Orca logs an utterance as SPEECH OUTPUT: 'text' followed by its voice; the echo of a key is
# logged with a blank between the text and the voice.
LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'( ?)(?:\{.*\}|voice=\S+)?\s*$")


def same_words(utterance, text):
    """Orca ends an utterance with a full stop where the text has no stop of its own."""
    return utterance.strip() in (text.strip(), text.strip() + ".")


class Orca:
    def __init__(self, log_path):
        self.path = log_path

    def utterances(self, echo=False):
        """(seconds since midnight, text) of every utterance so far; key echoes when asked."""
        with open(self.path, encoding="utf-8", errors="replace") as log:
            found = [LINE.match(line.rstrip("\n")) for line in log]
        return [(int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4])
                for m in found if m and (echo or not m[5])]

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
