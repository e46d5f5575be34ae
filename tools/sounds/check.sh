#!/usr/bin/env bash
# GUSANICIDA - measures every sound file against the mix plan and the recorded hashes.
# Usage: tools/sounds/check.sh [--regenerate] [folder]     (default: <repo>/data)
# Status 1 when meter.py finds a file off the plan of README.md or not the one of manifest.tsv; with
# --regenerate, where the installed sox, espeak-ng and Spanish voice are those of the manifest, every
# file is also made again in a scratch folder and compared. Status 77: a tool of the check is missing.
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
REGENERATE=0
[ "${1:-}" = --regenerate ] && { REGENERATE=1; shift; }
DIR="${1:-$HERE/../../data}"
PYTHON=/usr/bin/python3  # Debian's own, where python3-numpy lives
command -v sox >/dev/null && command -v ffmpeg >/dev/null && "$PYTHON" -c 'import numpy' 2>/dev/null ||
    { echo "check skipped: it needs sox, ffmpeg and python3-numpy" >&2; exit 77; }
status=0
"$PYTHON" "$HERE/meter.py" "$DIR" || status=1
if [ $REGENERATE = 1 ] && ! command -v espeak-ng >/dev/null; then
    echo "not regenerated: espeak-ng is not installed"
elif [ $REGENERATE = 1 ] && [ "$("$HERE/manifest.sh" "$DIR" | grep '^tool')" != "$(grep '^tool' "$HERE/manifest.tsv")" ]; then
    echo "not regenerated: the installed tools are not those of manifest.tsv"
elif [ $REGENERATE = 1 ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    echo "regenerated:"
    "$HERE/generate.sh" "$scratch" >/dev/null && "$PYTHON" "$HERE/meter.py" --hashes "$scratch" || status=1
fi
[ $status = 0 ] && echo "every sound file is on the plan" || echo "SOUND CHECK FAILED"
exit $status
