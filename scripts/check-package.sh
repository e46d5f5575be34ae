#!/usr/bin/env bash
# Builds the .deb and .tar.gz, unpacks the .deb into an empty root and checks that the installed
# programs start from there and find their sound files. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
(cd "$build" && cpack -G "DEB;TGZ" >/dev/null)
deb=$(ls "$build"/gusanicida_*.deb | head -n 1)
tgz=$(ls "$build"/gusanicida-*.tar.gz | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "package: $(basename "$deb"), depends: $(dpkg-deb -f "$deb" Depends)"
tar -tzf "$tgz" > "$root.list"
grep -q 'lib/gusanicida/snd16.wav' "$root.list" || { echo "the archive lacks the sounds"; exit 1; }
rm -f "$root.list"

# The sound files must be found from the installed location, through the link in bin/.
state=$(printf 'seed 1\nload\nstate\n' | "$root/usr/bin/gusanicida-sim" | grep '"ev":"state"')
echo "$state" | grep -q '"Wmp1(5)":{"FileName":"snd03.wav","Balance":0,"Volume":-600,"Playing":-1}' \
  || { echo "the installed program does not find its sounds"; exit 1; }

if [ -x "$root/usr/bin/gusanicida" ]; then
  "$root/usr/bin/gusanicida" --version
  "$root/usr/bin/gusanicida" --help >/dev/null
fi
grep -q '^Categories=Game;' "$root/usr/share/applications/gusanicida.desktop"
echo "package check: 1 passed, 0 failed"
