#!/usr/bin/python3
# Measures every sound of the catalogue against the mix plan of README.md and the hashes of manifest.tsv.
"""Usage: meter.py [--hashes] FOLDER   (prints each file's figures; exits 1 on a fault)"""
import hashlib, os, re, subprocess, sys, wave

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
MAX_SEAM_RATIO, MAX_DC, MAX_SET_BYTES = 4.0, 0.001, 10e6  # the seam: a jump of 4 typical sample steps
MIN_DISTANCE_DB = 2.0  # a copy, even re-levelled by 1 dB, lies below; the two steps lie 4 dB apart
below = lambda x, dbfs: np.abs(x).max() < 10 ** (dbfs / 20)


def ebur128(x, rate):
    """(integrated LUFS, true peak dBTP); a sound shorter than a 400 ms block is played over for 4 s."""
    x = np.tile(x, (-(-rate * 4 // len(x)), 1)) if len(x) < rate * 0.4 else x
    log = subprocess.run(["ffmpeg", "-nostats", "-f", "f32le", "-ar", str(rate), "-ac", str(x.shape[1]), "-i", "-",
                          "-af", "ebur128=peak=true", "-f", "null", "-"], input=x.astype("<f4").tobytes(),
                         capture_output=True).stderr.decode()
    return [float(re.findall(r"%s:\s+(\S+)" % k, log)[-1]) for k in ("I", "Peak")]


def first_pause(x, rate):
    """(start s, length ms) of the first 100 ms or more of 10 ms windows under -50 dBFS after a sound."""
    win = rate // 100
    sounding = np.nonzero(np.abs(x[:len(x) // win * win]).reshape(-1, win * x.shape[1]).max(axis=1) >= 10 ** -2.5)[0]
    at = np.nonzero(np.diff(sounding) > 10)[0]
    return ((sounding[at[0]] + 1) / 100, 10.0 * (sounding[at[0] + 1] - sounding[at[0]] - 1)) if at.size else (np.inf, 0)


def fingerprint(x, rate):
    """Levels (dB) at 100 Hz and every half octave above, 20 ms window by window over 2 s."""
    win = rate // 50
    mono = x[:100 * win].mean(axis=1)
    frames = np.pad(mono, (0, -len(mono) % win)).reshape(-1, win) * np.hanning(win)
    bins = np.round(100 * np.sqrt(2) ** np.arange(16) * win / rate).astype(int)
    return 20 * np.log10(np.maximum(np.abs(np.fft.rfft(frames, axis=1))[:, bins] / win, 10 ** -4.5))


def measure(path):
    with wave.open(path) as w:
        rate, ch, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        x = np.frombuffer(w.readframes(w.getnframes()), "<i2").reshape(-1, ch) / 32768.0
    spectrum, freqs = np.fft.rfft(x, axis=0), np.fft.rfftfreq(len(x), 1 / rate)
    power = (np.abs(spectrum) ** 2).sum(axis=1)
    spectrum[(freqs < 300) | (freqs >= 5000)] = 0  # what small speakers give
    (lufs, tp), steps = ebur128(x, rate), np.median(np.abs(np.diff(x, axis=0)), axis=0)
    return {"pcm16_48k": width == 2 and rate == 48000, "ch": ch, "seconds": len(x) / rate, "lufs": lufs, "tp": tp,
            "dc": np.abs(x.mean(axis=0)).max(), "low": 100 * power[freqs < 60].sum() / max(power.sum(), 1e-9),
            "band": lufs - ebur128(np.fft.irfft(spectrum, len(x), axis=0), rate)[0],
            "click": not below(x[-rate // 500:], -40), "cut": not below(x[-rate // 5:], -40),
            "onset": 1000 * np.argmax(np.append(np.abs(x).max(axis=1) > 0.01, 1)) / rate,
            "pause": first_pause(x, rate), "print": fingerprint(x, rate),
            "seam": np.max(np.abs(x[0] - x[-1]) / np.maximum(steps, 1e-12))}


def tables(path):
    """Each markdown table of PATH as {first header cell: [row cells...]}; '-' cells read None."""
    found, header = {}, None
    for line in open(path, encoding="utf-8"):
        cells = [c.strip() for c in line.strip().replace("\u2212", "-").strip("|").split("|")]
        if not line.startswith("|"):
            header = None
        elif header is None:
            header, found[cells[0]] = cells[0], []
        elif not set(cells[0]) <= set("-: "):
            found[header].append([c if c == "-" or not re.match(r"-?\d", c) else float(c.split()[0]) for c in cells])
    return found


def file_faults(m, role, lufs, tol, tp, low, band, onset, end):
    over = lambda limit, value: limit != "-" and value > limit
    return [what for fault, what in [
        (not m["pcm16_48k"] or m["ch"] > 1 + (role in ("speech", "music")), "not 16-bit PCM at 48 kHz, or channels"),
        (m["dc"] > MAX_DC, "a DC offset of %.4f" % m["dc"]),
        (abs(m["lufs"] - lufs) > tol, "loudness %.1f LUFS, plan %.0f" % (m["lufs"], lufs)),
        (m["tp"] > tp, "true peak %.1f dBTP above %.0f" % (m["tp"], tp)),
        (over(low, m["low"]), "%.0f %% of the energy below 60 Hz" % m["low"]),
        (over(band, m["band"]), "loses %.1f LU when only 300 Hz - 5 kHz is heard" % m["band"]),
        (over(onset, m["onset"]), "starts after %.1f ms" % m["onset"]),
        (end == "loop" and m["seam"] > MAX_SEAM_RATIO, "the loop's join jumps %.1f steps" % m["seam"]),
        (end != "loop" and m["click"], "a click: the last 2 ms above -40 dBFS"),
        (end == "whole" and m["cut"], "cut off: the last 200 ms above -40 dBFS")] if fault]


def set_faults(catalogue, plan, folder):
    members = lambda names: [s for s in catalogue if {s["role"], s["key"]} & set(names.split())]
    lufs = lambda names: [s["m"]["lufs"] for s in members(names)] or [float("nan")]
    faults = []
    for name, louder, quieter, margin in plan["rule"]:
        gap = min(lufs(louder)) - max(lufs(quieter))
        print("rule: %-40s %5.1f LU (at least %s)" % (name, gap, margin))
        faults += [] if gap >= margin else ["%s: %.1f LU" % (name, gap)]  # nan: names no file
    for who, ends_by, least in plan["recording"]:
        faults += [] if members(who) else ["%s: names no file of the catalogue" % who]
        faults += ["%s: the first pause starts at %.2f s and lasts %.0f ms" % (s["file"], *s["m"]["pause"])
                   for s in members(who) if s["m"]["pause"][0] > ends_by or s["m"]["pause"][1] < least]
    distance = lambda a, b: np.abs(a["print"][:len(b["print"])] - b["print"][:len(a["print"])]).mean() + abs(
        20 * np.log10(a["seconds"] / b["seconds"]))  # the band levels both have, and how the lengths differ
    apart, a, b = min((distance(a["m"], b["m"]), a["file"], b["file"])
                      for i, a in enumerate(catalogue) for b in catalogue[i + 1:])
    size = sum(os.path.getsize(os.path.join(folder, s["file"])) for s in catalogue)
    print("closest pair: %s and %s, %.1f dB apart; total size %.2f MB" % (a, b, apart, size / 1e6))
    return faults + ([] if apart > MIN_DISTANCE_DB else ["%s and %s sound alike" % (a, b)]) + (
        [] if size <= MAX_SET_BYTES else ["the files take %.2f MB" % (size / 1e6)])


def main(args):
    folder, lines = args[-1], lambda name: (l.rstrip("\n").split("\t") for l in open(os.path.join(HERE, name)))
    catalogue = [{"file": r[0], "key": r[1], "role": r[2]} for r in lines("../../sound/catalogue.tsv")
                 if r[0] and not r[0].startswith("#")]
    path = lambda s: os.path.join(folder, s["file"])
    faults = ["%s: missing" % s["file"] for s in catalogue if not os.path.isfile(path(s))]
    recorded = {r[1]: r[2] for r in lines("manifest.tsv") if r[0] == "sha256"}
    faults = faults or ["%s: not the file of manifest.tsv" % s["file"] for s in catalogue if recorded.get(
        s["file"]) != hashlib.sha256(open(path(s), "rb").read()).hexdigest()]
    print("hashes: " + ("%d faults" % len(faults) if faults else "every file is the one in manifest.tsv"))
    if args[0] == "--hashes" or any(f.endswith("missing") for f in faults):
        return faults
    plan = tables(os.path.join(HERE, "README.md"))
    roles = {r[0]: r[1:8] for r in plan["role"]}
    for s in catalogue:
        s["m"] = m = measure(path(s))  # a file wave cannot read stops the check with its error
        print(s["file"], s["role"], " ".join("%s %s" % (k, np.round(np.array(v, float), 3))
                                     for k, v in m.items() if k != "print"))
        faults += ["%s: %s" % (s["file"], f) for f in
                   (file_faults(m, s["role"], *roles[s["role"]]) if s["role"] in roles else ["no plan"])]
    return faults + set_faults(catalogue, plan, folder)


if __name__ == "__main__":
    faults = main(sys.argv[1:]) if len(sys.argv) in (2, 3) else sys.exit(__doc__)
    print("".join("OFF THE PLAN: %s\n" % f for f in faults), end="")
    sys.exit(1 if faults else 0)
