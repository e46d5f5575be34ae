#!/usr/bin/env bash
# Faults of the machine: a program folder with spaces and non-ASCII letters, a missing or
# read-only sound folder. The game runs through each (no audio device: installed_tree.sh).
# Usage: machine_faults.sh BIN_DIR   (the folder of gusanicida-sim, gusanicida and the sounds)
set -euo pipefail
bin=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0 failed=0
check() { if "$@"; then passed=$((passed + 1)); else echo "FAILED: $*"; failed=$((failed + 1)); fi; }
# Sound file names come from the catalogue, by key.
sound() { awk -F'\t' -v key="$1" '$2 == key { print $1 }' "$(dirname "$0")/../sound/catalogue.tsv"; }
play='seed 4\nanswer yes\nload\nkey 37\nkey 32\nwait 5000\nkey 38 2\nkey 86\nwait 60000\nstate\n'
odd="$work/Mis Juegos/Gusanicida ñandú" bare="$work/sin sonidos"
mkdir -p "$odd" "$bare"
cp "$bin/gusanicida-sim" "$bin"/*.wav "$odd/"
cp "$bin/gusanicida-sim" "$bare/"
chmod -R a-w "$odd"  # the program writes nothing, so a read-only folder changes nothing
sim() { printf '%b' "$2" | "$1/gusanicida-sim"; }
# Sounds found from a folder with spaces and non-ASCII letters.
check grep -q "\"WMPBomba(0)\":{\"FileName\":\"$(sound Explosion)\"" <<<"$(sim "$odd" "$play")"
check grep -q "\"FileName\":\"$(sound EntraMonstruo)\",\"Balance\":0,\"Volume\":-600,\"Playing\":-1" \
  <<<"$(sim "$odd" 'load\nstate\n')"
# No sound files at all: every channel is silent and the game goes on exactly the same.
check diff <(sim "$odd" "$play" | grep -v '"ev":"state"') <(sim "$bare" "$play" | grep -v '"ev":"state"')
echo "machine faults: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
