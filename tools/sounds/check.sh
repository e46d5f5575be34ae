#!/usr/bin/env bash
# GUSANICIDA - prints the technical data of every sound file.
#
# Usage: tools/sounds/check.sh [folder]     (default: <repo>/data)
#
# Columns: file, sample encoding, bits, channels, rate, duration (s),
# peak (dBFS), RMS (dB), DC offset, onset (ms) = time of the first sample
# above -40 dBFS. At the end: total size of all the WAV files.

set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DIR="${1:-$HERE/../../data}"

shopt -s nullglob
files=("$DIR"/*.wav)
[ ${#files[@]} -gt 0 ] || { echo "no WAV files in $DIR" >&2; exit 1; }

printf '%-10s %-7s %4s %3s %6s %8s %8s %8s %9s %9s\n' \
    file format bits ch rate dur_s peak_dB rms_dB dc onset_ms
total=0
for f in "${files[@]}"; do
    enc=$(sox --i -e "$f")
    case $enc in "Signed Integer PCM") enc=PCM ;; esac
    bits=$(sox --i -b "$f")
    ch=$(sox --i -c "$f")
    rate=$(sox --i -r "$f")
    dur=$(sox --i -D "$f")
    st=$(sox "$f" -n stats 2>&1)
    pk=$(awk '/^Pk lev dB/ { print $4; exit }' <<<"$st")
    rms=$(awk '/^RMS lev dB/ { print $4; exit }' <<<"$st")
    dc=$(awk '/^DC offset/ { print $3; exit }' <<<"$st")
    # first sample (any channel) whose magnitude is above -40 dBFS (0.01)
    onset=$( { sox "$f" -t dat - 2>/dev/null || true; } | awk '
        /^;/ { next }
        { for (i = 2; i <= NF; i++) { v = $i < 0 ? -$i : $i
              if (v > 0.01) { printf "%.1f", $1 * 1000; found = 1; exit } } }
        END { if (!found) print "none" }')
    size=$(stat -c %s "$f")
    total=$((total + size))
    printf '%-10s %-7s %4s %3s %6s %8.3f %8s %8s %9s %9s\n' \
        "$(basename "$f")" "$enc" "$bits" "$ch" "$rate" "$dur" "$pk" "$rms" "$dc" "$onset"
done
printf 'total size: %d bytes (%.2f MB)\n' "$total" "$(awk -v t=$total 'BEGIN { print t / 1e6 }')"
