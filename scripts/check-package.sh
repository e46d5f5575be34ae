#!/usr/bin/env bash
# Builds the .deb and .tar.gz, checks the .deb with Debian's own checkers (lintian, appstreamcli,
# desktop-file-validate), unpacks it into an empty root and checks that the installed programs
# start from there and find their sound files. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
catalogue="$(dirname "$0")/../sound/catalogue.tsv"
# The file of a sound, by its key in the catalogue.
sound() { awk -F'\t' -v key="$1" '$2 == key { print $1 }' "$catalogue"; }
(cd "$build" && cpack -G "DEB;TGZ" >/dev/null)
deb=$(ls "$build"/gusanicida_*.deb | head -n 1)
tgz=$(ls "$build"/gusanicida-*.tar.gz | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "package: $(basename "$deb"), installed size: $(dpkg-deb -f "$deb" Installed-Size) kB"
tar -tzf "$tgz" > "$root.list"
grep -q "usr/lib/games/gusanicida/$(sound MusicaMenu)" "$root.list" || { echo "the archive lacks the sounds"; exit 1; }
rm -f "$root.list"

# Runs a checker quietly; when it fails, shows what it said.
quietly() {
  local out
  out=$("$@" 2>&1) || { echo "$out"; echo "failed: $*"; exit 1; }
}
# Any lintian error or warning fails.
quietly lintian --fail-on error,warning "$deb"
# The metainfo with the installed tree (its launchable menu entry must be there). --no-net: the
# check runs offline, so the web addresses in the metainfo are not fetched.
quietly appstreamcli validate-tree --no-net "$root"
quietly desktop-file-validate "$root/usr/share/applications/gusanicida.desktop"
grep -q '^Categories=Game;' "$root/usr/share/applications/gusanicida.desktop"
for page in man/man6 man/es/man6; do
  [ -f "$root/usr/share/$page/gusanicida.6.gz" ] || { echo "no manual page in $page"; exit 1; }
done

# The sound files must be found from the installed program folder.
state=$(printf 'seed 1\nload\nstate\n' | "$root/usr/lib/games/gusanicida/gusanicida-sim" \
  | grep '"ev":"state"')
echo "$state" | grep -qF "\"Wmp1(5)\":{\"FileName\":\"$(sound EntraMonstruo)\",\"Balance\":0,\"Volume\":-600,\"Playing\":-1}" \
  || { echo "the installed program does not find its sounds"; exit 1; }

if [ -e "$root/usr/games/gusanicida" ]; then
  "$root/usr/games/gusanicida" --version
  "$root/usr/games/gusanicida" --help >/dev/null
fi
echo "package check: 1 passed, 0 failed"
