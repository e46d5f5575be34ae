#!/usr/bin/env bash
# GUSANICIDA - measures every sound file against the mix plan and the recorded hashes.
#
# Usage: tools/sounds/check.sh [--regenerate] [folder]     (default: <repo>/data)
#
# For each file of sound/catalogue.tsv it prints the format (sox) and the
# figures of meter.py (BS.1770 loudness, true peak, energy below 60 Hz,
# loudness lost in 300 Hz-5 kHz, the last 2 ms and 200 ms, onset, first pause,
# loop join), then the rules between roles. It fails (status 1) when a file is
# off the plan written in README.md or its SHA-256 is not the one recorded in
# manifest.tsv. With --regenerate, when the installed sox, espeak-ng and
# Spanish voice are those of the manifest, it also makes every file again in a
# scratch folder and compares the hashes. Status 77: a tool of the check is
# missing (Debian: sox python3-numpy python3-scipy).

set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CATALOGUE="$HERE/../../sound/catalogue.tsv"
MANIFEST="$HERE/manifest.tsv"
REGENERATE=0
[ "${1:-}" = --regenerate ] && { REGENERATE=1; shift; }
DIR="${1:-$HERE/../../data}"
# The meter runs on Debian's own python3, where python3-numpy and python3-scipy live.
PYTHON=/usr/bin/python3

command -v sox >/dev/null && "$PYTHON" -c 'import numpy, scipy' 2>/dev/null || {
    echo "check skipped: it needs sox, python3-numpy and python3-scipy" >&2
    exit 77
}

catalogued() { awk -F'\t' '$1 != "" && $1 !~ /^#/ { print $1 }' "$CATALOGUE"; }

print_formats() {
    local f total=0
    printf '%-10s %-7s %4s %3s %6s %8s %9s\n' file format bits ch rate dur_s dc
    for f in $(catalogued); do
        [ -f "$DIR/$f" ] || { echo "missing: $f"; return 1; }
        printf '%-10s %-7s %4s %3s %6s %8.3f %9s\n' "$f" \
            "$(sox --i -e "$DIR/$f" | sed 's/Signed Integer PCM/PCM/')" "$(sox --i -b "$DIR/$f")" \
            "$(sox --i -c "$DIR/$f")" "$(sox --i -r "$DIR/$f")" "$(sox --i -D "$DIR/$f")" \
            "$(sox "$DIR/$f" -n stats 2>&1 | awk '/^DC offset/ { print $3; exit }')"
        total=$((total + $(stat -c %s "$DIR/$f")))
    done
    printf 'total size: %d bytes (%.2f MB)\n\n' "$total" "$(awk -v t=$total 'BEGIN { print t / 1e6 }')"
}

# compare_hashes FOLDER WHAT : every catalogued file of FOLDER against the manifest's hash
compare_hashes() {
    local folder=$1 what=$2 f want got bad=0
    for f in $(catalogued); do
        want=$(awk -F'\t' -v f="$f" '$1 == "sha256" && $2 == f { print $3 }' "$MANIFEST")
        got=$(sha256sum "$folder/$f" | cut -d' ' -f1)
        [ "$want" = "$got" ] || { echo "HASH DIFFERS ($what): $f"; bad=1; }
    done
    [ $bad = 0 ] && echo "hashes: every $what file is the one in manifest.tsv"
    return $bad
}

regenerate_and_compare() {
    if ! command -v espeak-ng >/dev/null; then
        echo "not regenerated: espeak-ng is not installed"
        return 0
    fi
    if [ "$("$HERE/manifest.sh" "$DIR" | grep '^tool')" != "$(grep '^tool' "$MANIFEST")" ]; then
        echo "not regenerated: the installed tools are not those of manifest.tsv"
        return 0
    fi
    local scratch status=0
    scratch=$(mktemp -d)
    "$HERE/generate.sh" "$scratch" >/dev/null || status=1
    [ $status = 0 ] && { compare_hashes "$scratch" regenerated || status=1; }
    rm -rf "$scratch"
    return $status
}

status=0
print_formats || exit 1
"$PYTHON" "$HERE/meter.py" "$CATALOGUE" "$HERE/README.md" "$DIR" || status=1
echo
compare_hashes "$DIR" shipped || status=1
if [ $REGENERATE = 1 ]; then regenerate_and_compare || status=1; fi
[ $status = 0 ] && echo "every sound file is on the plan" || echo "SOUND CHECK FAILED"
exit $status
