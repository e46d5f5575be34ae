#!/usr/bin/python3
# Measures every sound of the catalogue against the mix plan of README.md and the hashes of manifest.tsv.
"""Usage: meter.py [--hashes] FOLDER

Prints each file's figures; exits 1 when a file is off the plan or is not the one manifest.tsv
records (with --hashes, only that is checked). Loudness is ITU-R BS.1770-4 (K-weighting, 400 ms
blocks, gates at -70 LUFS and -10 LU); a file shorter than one block is measured over its own frames.
"""
import hashlib
import os
import sys

import numpy as np
from scipy.io import wavfile
from scipy.signal import lfilter, resample_poly

HERE = os.path.dirname(os.path.abspath(__file__))
CLICK_DBFS = -40.0     # the last 2 ms, and the last 200 ms of a whole recording, stay below
QUIET_DBFS = -50.0     # 10 ms windows this quiet, ten of them in a row, are a pause
ONSET_DBFS = -40.0
MAX_SEAM_RATIO = 4.0   # the loop's join is no bigger a jump than 4 typical sample steps
MAX_DC = 0.001
MAX_SET_BYTES = 10e6   # the download stays small
MIN_DISTANCE_DB = 2.0  # a copy, even re-levelled by 1 dB, lies below; the two steps lie 4 dB apart


def db(power):
    return 10 * np.log10(power) if power > 0 else float("-inf")


def peak_dbfs(x):
    return 20 * np.log10(max(np.abs(x).max(), 1e-10))


def biquad_a(k, q):
    """a0 and the normalised feedback coefficients of one of BS.1770's two filters."""
    a0 = 1 + k / q + k * k
    return a0, [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0]


def loudness(x, rate):
    """Integrated loudness (LUFS); below one block long, the mean power of the sound's own frames."""
    k, q = np.tan(np.pi * 1681.974450955533 / rate), 0.7071752369554196  # the high shelf
    vh, vb = 10 ** (3.999843853973347 / 20), 10 ** (3.999843853973347 / 40)
    a0, a = biquad_a(k, q)
    x = lfilter(np.divide([vh + vb * k / q + k * k, 2 * (k * k - vh), vh - vb * k / q + k * k], a0), a, x, 0)
    k, q = np.tan(np.pi * 38.13547087602444 / rate), 0.5003270373238773  # the RLB high-pass
    z, block = lfilter([1, -2, 1], biquad_a(k, q)[1], x, axis=0) ** 2, int(0.4 * rate)
    if len(z) < block:
        return -0.691 + db(z.mean(axis=0).sum())
    powers = np.array([z[s:s + block].mean(axis=0).sum() for s in range(0, len(z) - block + 1, block // 4)])
    powers = powers[powers > 10 ** ((-70 + 0.691) / 10)]
    return -0.691 + db(powers[powers > powers.mean() / 10].mean()) if powers.size else float("-inf")


def first_pause(x, rate):
    """(start s, length ms) of the first pause between two sounding stretches; (inf, 0) if none."""
    win = rate // 100
    peaks = np.abs(x[:len(x) // win * win]).max(axis=1).reshape(-1, win).max(axis=1)
    sounding = np.nonzero(peaks >= 10 ** (QUIET_DBFS / 20))[0]
    gaps = np.diff(sounding) - 1
    at = np.nonzero(gaps >= 10)[0]
    return ((sounding[at[0]] + 1) / 100, 10.0 * gaps[at[0]]) if at.size else (float("inf"), 0.0)


def fingerprint(x, rate):
    """Levels (dB) at 100 Hz and every half octave above, 20 ms window by window over 2 s."""
    win = rate // 50
    mono = x[:100 * win].mean(axis=1)
    frames = np.pad(mono, (0, -len(mono) % win)).reshape(-1, win) * np.hanning(win)
    bins = np.round(100 * np.sqrt(2) ** np.arange(16) * win / rate).astype(int)
    return 20 * np.log10(np.maximum(np.abs(np.fft.rfft(frames, axis=1))[:, bins] / win, 10 ** -4.5))


def distance(a, b):
    """Mean difference of the band levels both have, plus how much the lengths differ, in dB."""
    n = min(len(a["print"]), len(b["print"]))
    return np.abs(a["print"][:n] - b["print"][:n]).mean() + abs(20 * np.log10(a["seconds"] / b["seconds"]))


def measure(path):
    rate, data = wavfile.read(path)
    x = data.reshape(len(data), -1) / (32768.0 if data.dtype == np.int16 else 1.0)
    spectrum, freqs = np.fft.rfft(x, axis=0), np.fft.rfftfreq(len(x), 1 / rate)
    power = (np.abs(spectrum) ** 2).sum(axis=1)
    spectrum[(freqs < 300) | (freqs >= 5000)] = 0  # what small speakers give
    lufs, steps = loudness(x, rate), np.median(np.abs(np.diff(x, axis=0)), axis=0)
    return {"pcm16_48k": data.dtype == np.int16 and rate == 48000, "ch": x.shape[1], "seconds": len(x) / rate,
            "lufs": lufs, "tp": peak_dbfs(np.vstack([x, resample_poly(x, 4, 1, axis=0)])),
            "dc": np.abs(x.mean(axis=0)).max(), "low": 100 * power[freqs < 60].sum() / max(power.sum(), 1e-9),
            "band": lufs - loudness(np.fft.irfft(spectrum, len(x), axis=0), rate),
            "end2": peak_dbfs(x[-int(0.002 * rate):]), "end200": peak_dbfs(x[-int(0.2 * rate):]),
            "onset": 1000 * np.argmax(np.append(np.abs(x).max(axis=1) > 10 ** (ONSET_DBFS / 20), 1)) / rate,
            "pause": first_pause(x, rate), "print": fingerprint(x, rate),
            "seam": np.max(np.abs(x[0] - x[-1]) / np.maximum(steps, 1e-12))}


def tables(path):
    """Each markdown table of PATH as {first header cell: [row cells...]}."""
    found, header = {}, None
    for line in open(path, encoding="utf-8"):
        cells = [c.strip() for c in line.strip().replace("\u2212", "-").strip("|").split("|")]
        if not line.startswith("|"):
            header = None
        elif header is None:
            header, found[cells[0]] = cells[0], []
        elif not set(cells[0]) <= set("-: "):
            found[header].append(cells)
    return found


def number(cell):
    return None if cell == "-" else float(cell.split()[0])


def file_faults(m, role, p):
    effect = role not in ("speech", "music")  # answers a key or an event: mono, and at once
    channels = 1 if effect else 2
    over = lambda limit, value: limit is not None and value > limit
    return [what for fault, what in [
        (not m["pcm16_48k"] or m["ch"] > channels, "not 16-bit PCM at 48 kHz: %d channels" % m["ch"]),
        (m["dc"] > MAX_DC, "a DC offset of %.4f" % m["dc"]),
        (abs(m["lufs"] - p["lufs"]) > p["tol"], "loudness %.1f LUFS, plan %.0f" % (m["lufs"], p["lufs"])),
        (m["tp"] > p["tp"], "true peak %.2f dBTP above %.0f" % (m["tp"], p["tp"])),
        (over(p["low"], m["low"]), "%.0f %% of the energy below 60 Hz" % m["low"]),
        (over(p["band"], m["band"]), "loses %.1f LU when only 300 Hz - 5 kHz is heard" % m["band"]),
        (over(p["onset"], m["onset"]), "starts after %.1f ms" % m["onset"]),
        (p["end"] == "loop" and m["seam"] > MAX_SEAM_RATIO, "the loop's join jumps %.1f steps" % m["seam"]),
        (p["end"] != "loop" and m["end2"] > CLICK_DBFS, "a click: the last 2 ms at %.1f dBFS" % m["end2"]),
        (p["end"] == "whole" and m["end200"] > CLICK_DBFS, "cut off: last 200 ms at %.1f dBFS" % m["end200"])]
        if fault]


def set_faults(catalogue, plan, folder):
    members = lambda names: [s for s in catalogue if {s["role"], s["key"]} & set(names.split())]
    lufs = lambda names: [s["m"]["lufs"] for s in members(names)] or [float("nan")]
    faults = []
    for name, louder, quieter, margin in (r[:4] for r in plan["rule"]):
        gap = min(lufs(louder)) - max(lufs(quieter))
        print("rule: %-40s %5.1f LU (at least %s)" % (name, gap, margin))
        faults += [] if gap >= number(margin) else ["%s: %.1f LU" % (name, gap)]  # nan: names no file
    for who, ends_by, least in (r[:3] for r in plan["recording"]):
        faults += [] if members(who) else ["%s: names no file of the catalogue" % who]
        faults += ["%s: the first pause starts at %.2f s and lasts %.0f ms" % (s["file"], *s["m"]["pause"])
                   for s in members(who)
                   if s["m"]["pause"][0] > number(ends_by) or s["m"]["pause"][1] < number(least)]
    apart, a, b = min((distance(a["m"], b["m"]), a["file"], b["file"])
                      for i, a in enumerate(catalogue) for b in catalogue[i + 1:])
    print("closest pair: %s and %s, %.1f dB apart" % (a, b, apart))
    faults += [] if apart > MIN_DISTANCE_DB else ["%s and %s sound alike" % (a, b)]
    size = sum(os.path.getsize(os.path.join(folder, s["file"])) for s in catalogue)
    print("total size: %.2f MB" % (size / 1e6))
    return faults + ([] if size <= MAX_SET_BYTES else ["the files take %.2f MB" % (size / 1e6)])


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
    roles = {r[0]: dict(zip(("lufs", "tol", "tp", "low", "band", "onset"), map(number, r[1:7])), end=r[7])
             for r in plan["role"]}
    print("%-10s %-7s ch seconds   LUFS   dBTP     dc <60Hz%% bandLU end2ms end200 onsetms  pause@s+ms  seam"
          % ("file", "role"))
    for s in catalogue:
        s["m"] = m = measure(path(s))
        print("%-10s %-7s %2d %7.3f %6.1f %6.2f %6.4f %6.1f %6.1f %6.1f %6.1f %7.1f %11s %5.1f" % (
            s["file"], s["role"], m["ch"], m["seconds"], m["lufs"], m["tp"], m["dc"], m["low"], m["band"],
            m["end2"], m["end200"], m["onset"], m["pause"][1] and "%.2f+%.0f" % m["pause"] or "-", m["seam"]))
        faults += ["%s: %s" % (s["file"], f) for f in
                   (file_faults(m, s["role"], roles[s["role"]]) if s["role"] in roles else ["no plan"])]
    return faults + set_faults(catalogue, plan, folder)


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    faults = main(sys.argv[1:])
    print("".join("OFF THE PLAN: %s\n" % f for f in faults), end="")
    sys.exit(1 if faults else 0)
