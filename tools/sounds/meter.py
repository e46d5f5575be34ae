#!/usr/bin/python3
# Measures every sound of the catalogue against the mix plan written in README.md.
"""Usage: meter.py CATALOGUE PLAN FOLDER

Prints each file's figures and the verdicts; exits 1 when a file is off the plan.
Loudness is ITU-R BS.1770-4 (K-weighting, 400 ms blocks, gates at -70 LUFS and
-10 LU); a file shorter than one block is measured over its own frames.
"""
import sys

import numpy as np
from scipy.io import wavfile
from scipy.signal import lfilter, resample_poly

BLOCK_S, STEP_S = 0.4, 0.1
CLICK_DBFS = -40.0       # the last 2 ms and the last 200 ms of a whole recording stay below
QUIET_DBFS = -50.0       # 10 ms windows this quiet, 100 ms of them in a row, are a pause
MIN_PAUSE_WINDOWS = 10
ONSET_DBFS = -40.0
MAX_SEAM_RATIO = 4.0     # the loop's join is no bigger a jump than 4 typical sample steps


def db(x):
    return 10.0 * np.log10(x) if x > 0 else float("-inf")


def k_weighting(rate):
    """The two filters of BS.1770 (high shelf, then RLB high-pass), for any sample rate."""
    k = np.tan(np.pi * 1681.974450955533 / rate)
    vh, vb, q = 10 ** (3.999843853973347 / 20), 10 ** (3.999843853973347 / 40), 0.7071752369554196
    a0 = 1 + k / q + k * k
    shelf = ([(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0],
             [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    k = np.tan(np.pi * 38.13547087602444 / rate)
    q = 0.5003270373238773
    a0 = 1 + k / q + k * k
    highpass = ([1, -2, 1], [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    return shelf, highpass


def loudness(x, rate):
    """Integrated loudness (LUFS); below one block long, the mean power of the sound's own frames."""
    shelf, highpass = k_weighting(rate)
    z = lfilter(*highpass, lfilter(*shelf, x, axis=0), axis=0) ** 2
    block, step = int(BLOCK_S * rate), int(STEP_S * rate)
    if len(z) < block:
        return -0.691 + db(z.mean(axis=0).sum())
    starts = range(0, len(z) - block + 1, step)
    powers = np.array([z[s:s + block].mean(axis=0).sum() for s in starts])
    powers = powers[-0.691 + 10 * np.log10(np.maximum(powers, 1e-20)) > -70]
    if powers.size == 0:
        return float("-inf")
    gate = -0.691 + db(powers.mean()) - 10
    return -0.691 + db(powers[-0.691 + 10 * np.log10(powers) > gate].mean())


def true_peak(x):
    return 20 * np.log10(max(np.abs(resample_poly(x, 4, 1, axis=0)).max(), np.abs(x).max(), 1e-10))


def band_share(x, rate, low, high):
    """Share of the signal's energy between LOW and HIGH Hz, all sides together."""
    power = (np.abs(np.fft.rfft(x, axis=0)) ** 2).sum(axis=1)
    freqs = np.fft.rfftfreq(len(x), 1.0 / rate)
    return power[(freqs >= low) & (freqs < high)].sum() / max(power.sum(), 1e-20)


def band_loss(x, rate, lufs):
    """Loudness lost (LU) when only 300 Hz - 5 kHz is heard, as through a laptop's speakers."""
    spectrum = np.fft.rfft(x, axis=0)
    freqs = np.fft.rfftfreq(len(x), 1.0 / rate)
    spectrum[(freqs < 300) | (freqs >= 5000)] = 0
    return lufs - loudness(np.fft.irfft(spectrum, len(x), axis=0), rate)


def peak_dbfs(x):
    return 20 * np.log10(max(np.abs(x).max(), 1e-10)) if len(x) else float("-inf")


def onset_ms(x, rate):
    loud = np.nonzero(np.abs(x).max(axis=1) > 10 ** (ONSET_DBFS / 20))[0]
    return 1000.0 * loud[0] / rate if loud.size else float("inf")


def first_pause(x, rate):
    """(start s, length ms) of the first pause between two sounding stretches; (inf, 0) if none."""
    win = rate // 100
    peaks = np.abs(x[:len(x) // win * win]).max(axis=1).reshape(-1, win).max(axis=1)
    sounding = np.nonzero(peaks >= 10 ** (QUIET_DBFS / 20))[0]
    gaps = np.diff(sounding) - 1
    long_gaps = np.nonzero(gaps >= MIN_PAUSE_WINDOWS)[0]
    if long_gaps.size == 0:
        return float("inf"), 0.0
    first = long_gaps[0]
    return (sounding[first] + 1) / 100.0, 10.0 * gaps[first]


def seam_ratio(x):
    steps = np.median(np.abs(np.diff(x, axis=0)), axis=0)
    seam = np.abs(x[0] - x[-1])
    return float(np.max(np.where(seam == 0, 0, seam / np.maximum(steps, 1e-12))))


def measure(path):
    rate, data = wavfile.read(path)
    x = data.astype(np.float64) / 32768.0 if data.dtype == np.int16 else data.astype(np.float64)
    x = x.reshape(len(x), -1)
    end2, end200 = x[-int(0.002 * rate):], x[-int(0.2 * rate):]
    lufs = loudness(x, rate)
    return {"seconds": len(x) / rate, "lufs": lufs, "tp": true_peak(x),
            "low": 100 * band_share(x, rate, 0, 60), "band": band_loss(x, rate, lufs),
            "end2": peak_dbfs(end2), "end200": peak_dbfs(end200), "onset": onset_ms(x, rate),
            "pause": first_pause(x, rate), "seam": seam_ratio(x)}


def table_rows(path):
    """Each markdown table of PATH as {first header cell: [row cells...]}."""
    tables, header = {}, None
    for line in open(path, encoding="utf-8"):
        line = line.strip().replace("\u2212", "-")
        if not line.startswith("|"):
            header = None
            continue
        cells = [c.strip() for c in line.strip("|").split("|")]
        if header is None:
            header = cells[0]
            tables[header] = []
        elif not set(cells[0]) <= set("-: "):
            tables[header].append(cells)
    return tables


def number(cell):
    return float(cell.split()[0].lstrip("≥≤<>"))


def read_catalogue(path):
    rows = [l.rstrip("\n").split("\t") for l in open(path, encoding="utf-8")]
    return [{"file": r[0], "key": r[1], "role": r[2]} for r in rows if r and r[0] and not r[0].startswith("#")]


def members(names, catalogue):
    return [s for s in catalogue if s["role"] in names or s["key"] in names]


def file_faults(s, plan):
    if s["role"] not in plan:
        return ["the plan has no row for its role " + s["role"]]
    m, p, faults = s["m"], plan[s["role"]], []
    if abs(m["lufs"] - p["lufs"]) > p["tol"]:
        faults.append("loudness %.1f LUFS, plan %.0f ± %.0f" % (m["lufs"], p["lufs"], p["tol"]))
    if m["tp"] > p["tp"]:
        faults.append("true peak %.2f dBTP above %.0f" % (m["tp"], p["tp"]))
    if p["low"] is not None and m["low"] > p["low"]:
        faults.append("%.0f %% of the energy below 60 Hz" % m["low"])
    if p["band"] is not None and m["band"] > p["band"]:
        faults.append("loses %.1f LU when only 300 Hz - 5 kHz is heard" % m["band"])
    if p["onset"] is not None and m["onset"] > p["onset"]:
        faults.append("starts after %.1f ms" % m["onset"])
    if p["end"] == "loop":
        if m["seam"] > MAX_SEAM_RATIO:
            faults.append("the loop's join jumps %.1f typical steps" % m["seam"])
    elif m["end2"] > CLICK_DBFS:
        faults.append("ends in a click: last 2 ms at %.1f dBFS" % m["end2"])
    if p["end"] == "whole" and m["end200"] > CLICK_DBFS:
        faults.append("cut off: last 200 ms peak at %.1f dBFS" % m["end200"])
    return faults


def rule_faults(rules, pauses, catalogue):
    faults = []
    for name, louder, quieter, margin in rules:
        loud, quiet = members(louder.split(), catalogue), members(quieter.split(), catalogue)
        if not loud or not quiet:
            faults.append("%s: names no file of the catalogue" % name)
            continue
        gap = min(s["m"]["lufs"] for s in loud) - max(s["m"]["lufs"] for s in quiet)
        print("rule: %-40s %5.1f LU (at least %s)" % (name, gap, margin))
        if gap < number(margin):
            faults.append("%s: only %.1f LU" % (name, gap))
    for who, ends_by, least in pauses:
        if not members(who.split(), catalogue):
            faults.append("%s: names no file of the catalogue" % who)
        for s in members(who.split(), catalogue):
            start, length = s["m"]["pause"]
            if start > number(ends_by) or length < number(least):
                faults.append("%s: the first pause starts at %.2f s and lasts %.0f ms"
                              % (s["file"], start, length))
    return faults


def main(catalogue_path, plan_path, folder):
    catalogue, tables = read_catalogue(catalogue_path), table_rows(plan_path)
    limit = lambda cell: None if cell == "-" else number(cell)
    plan = {r[0]: {"lufs": number(r[1]), "tol": number(r[2]), "tp": number(r[3]),
                   "low": limit(r[4]), "band": limit(r[5]), "onset": limit(r[6]), "end": r[7]}
            for r in tables["role"] if r[0] in {s["role"] for s in catalogue}}
    print("%-10s %-7s %7s %6s %6s %6s %6s %6s %6s %7s %11s %5s" % (
        "file", "role", "seconds", "LUFS", "dBTP", "<60Hz%", "bandLU", "end2ms", "end200", "onsetms",
        "pause@s+ms", "seam"))
    faults = []
    for s in catalogue:
        s["m"] = m = measure("%s/%s" % (folder, s["file"]))
        pause = "%.2f+%.0f" % m["pause"] if m["pause"][1] else "-"
        print("%-10s %-7s %7.3f %6.1f %6.2f %6.1f %6.1f %6.1f %6.1f %7.1f %11s %5.1f" % (
            s["file"], s["role"], m["seconds"], m["lufs"], m["tp"], m["low"], m["band"], m["end2"],
            m["end200"], m["onset"], pause, m["seam"]))
        faults += ["%s: %s" % (s["file"], f) for f in file_faults(s, plan)]
    faults += rule_faults([r[:4] for r in tables["rule"]], [r[:3] for r in tables["recording"]],
                          catalogue)
    for f in faults:
        print("OFF THE PLAN: " + f)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
