# How each Orca writes its debug log, as read in each one's own log: when it is ready, what it says.
"""The one place the Orca test and bench/orca learn Orca's log from. Every line Orca stamps
starts "HH:MM:SS.ffffff - "; an utterance is "SPEECH OUTPUT: 'text'" with a tail that differs by
version (VERSIONS), and "DEFAULT: Presenting keyboard event" comes just before a key's echo.
Run as a program: `orca_log.py version` prints Orca's major version, `orca_log.py ready LOG`
exits 0 once the log says Orca is ready."""
import os
import re
import subprocess
import sys

STAMP = r"^(\d\d):(\d\d):(\d\d\.\d+) - "
# Per major version (43.1 on Debian 12, 48.1 on Debian 13): the line Orca writes once it handles
# events, and an utterance's tail after the text (its voice in braces on 48).
VERSIONS = {
    43: ("ORCA: ATSPI registry initialized.", r"(?: ?\{.*\}| voice=\S+)?"),
    48: ("ORCA: Starting Atspi main event loop", r" \{.*\}"),
}
ECHO_NEXT = "DEFAULT: Presenting keyboard event"
# Orca's own words that differ from Orca 43's (its role names in Spanish), by version.
WORDING = {
    48: [("botón de pulsación", "botón")],
}


def version():
    """Orca's major version ($ORCA_MAJOR when set); the newest known one if it cannot tell."""
    if os.environ.get("ORCA_MAJOR", "").isdigit():
        return int(os.environ["ORCA_MAJOR"])
    try:
        said = subprocess.run(["orca", "--version"], capture_output=True, text=True, timeout=20)
    except (OSError, subprocess.SubprocessError):
        return max(VERSIONS)
    # "43.1" (Orca 43), "Orca version 48.1, AT-SPI2 version: 2.56.2" (Orca 48)
    found = re.search(r"^(?:Orca version )?(\d+)\.\d+(?:,|$)", said.stdout, re.M)
    return int(found[1]) if found else max(VERSIONS)


def known(major):
    """The log format of that version, or of the nearest older one known."""
    return VERSIONS[max([v for v in VERSIONS if v <= major] or [min(VERSIONS)])]


class Log:
    def __init__(self, path, major=None):
        self.path = path
        self.major = major if major is not None else version()
        ready, tail = known(self.major)
        self.ready_line = ready
        self.line = re.compile(STAMP + r"SPEECH OUTPUT: '(.*)'" + tail + r"\s*$")

    def wording(self, text):
        """The words Orca 43 says in `text`, as this version says them (each of a tuple)."""
        if isinstance(text, tuple):
            return tuple(self.wording(one) for one in text)
        for older, newer in WORDING.get(max([v for v in WORDING if v <= self.major] or [0]), []):
            text = text.replace(older, newer)
        return text

    def lines(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                return log.read().splitlines()
        except OSError:
            return []

    def ready(self):
        return any(self.ready_line in line for line in self.lines())

    def utterances(self, echo=False):
        """(seconds since midnight, text) of every utterance so far; key echoes when asked."""
        found, echo_next = [], False
        for line in self.lines():
            if ECHO_NEXT in line:
                echo_next = True
                continue
            if "SPEECH OUTPUT: " not in line:
                continue
            m = self.line.match(line)
            if m and (echo or not echo_next):
                found.append((int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4]))
            echo_next = False
        return found


if __name__ == "__main__":
    if sys.argv[1:] == ["version"]:
        print(version())
    elif len(sys.argv) == 3 and sys.argv[1] == "ready":
        sys.exit(0 if Log(sys.argv[2]).ready() else 1)
    else:
        sys.exit("usage: orca_log.py version | ready LOG")
