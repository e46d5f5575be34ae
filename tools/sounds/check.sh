#!/usr/bin/env bash
# GUSANICIDA - measures every sound file against the mix plan and the recorded hashes.
# Usage: tools/sounds/check.sh [--regenerate] [folder]     (default: <repo>/data)
# Status 1 when meter.py finds a file off the plan of README.md or not the one of manifest.tsv.
# With --regenerate the files are not measured but made again in a scratch folder and compared
# with manifest.tsv; that needs the sox, espeak-ng and Spanish voice of the manifest, and with any
# others the regeneration is skipped. Status 77 (skipped): a tool of the check is missing, or the
# regeneration cannot be done with the installed tools.
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
REGENERATE=0
[ "${1:-}" = --regenerate ] && { REGENERATE=1; shift; }
DIR="${1:-$HERE/../../data}"
PYTHON=/usr/bin/python3  # Debian's own, where python3-numpy lives
skip() { echo "$1 skipped: $2" >&2; exit 77; }
command -v sox >/dev/null && command -v ffmpeg >/dev/null && "$PYTHON" -c 'import numpy' 2>/dev/null ||
    skip check "it needs sox, ffmpeg and python3-numpy"
status=0
if [ $REGENERATE = 0 ]; then
    "$PYTHON" "$HERE/meter.py" "$DIR" || status=1
else
    command -v espeak-ng >/dev/null || skip regeneration "espeak-ng is not installed"
    [ "$("$HERE/manifest.sh" "$DIR" | grep '^tool')" = "$(grep '^tool' "$HERE/manifest.tsv")" ] ||
        skip regeneration "the installed tools are not those of manifest.tsv"
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    echo "regenerated:"
    "$HERE/generate.sh" "$scratch" >/dev/null && "$PYTHON" "$HERE/meter.py" --hashes "$scratch" || status=1
fi
[ $status = 0 ] && echo "every sound file is on the plan" || echo "SOUND CHECK FAILED"
exit $status
