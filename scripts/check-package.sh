#!/usr/bin/env bash
# Builds the Debian source package and its .deb twice (scripts/build-deb.sh) and requires
# byte-identical .deb files; checks the source and binary packages with lintian, the metadata with
# appstreamcli and desktop-file-validate, unpacks the .deb into an empty root and checks that the
# installed programs start from there and find their sound files; and checks CPack's .tar.gz. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scripts=$(cd "$(dirname "$0")" && pwd)
catalogue="$scripts/../sound/catalogue.tsv"
# The file of a sound, by its key in the catalogue.
sound() { awk -F'\t' -v key="$1" '$2 == key { print $1 }' "$catalogue"; }
# Runs a checker quietly; when it fails, shows what it said.
quietly() {
  local out
  out=$("$@" 2>&1) || { echo "$out"; echo "failed: $*"; exit 1; }
}
seconds() { echo $(( $(date +%s) - $1 )); }

(cd "$build" && cpack -G TGZ >/dev/null)
tgz=$(ls "$build"/gusanicida-*.tar.gz | head -n 1)
# (The listing is read whole: grep -q would stop tar mid-stream, and pipefail would count that.)
tar -tzf "$tgz" | grep -c "usr/lib/games/gusanicida/$(sound MusicaMenu)\$" >/dev/null ||
  { echo "the archive lacks the sounds"; exit 1; }

# The tests ran already: the package builds skip them. The second build, in the same folder,
# compiles afresh (no compiler cache), so that equal bytes mean a reproducible build.
export DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)"
start=$(date +%s)
"$scripts/build-deb.sh" "$build/deb" >/dev/null
echo "source package and .deb built in $(seconds "$start") s"
# GUS_PACKAGE_BUILDS=1 builds once: the Debian 13 run, whose host run compared two builds.
if [ "${GUS_PACKAGE_BUILDS:-2}" -ge 2 ]; then
  first="$build/deb-first"
  rm -rf "$first"
  mv "$build/deb" "$first"
  start=$(date +%s)
  CCACHE_DISABLE=1 "$scripts/build-deb.sh" "$build/deb" >/dev/null
  echo "built again in $(seconds "$start") s"
  for deb in "$build"/deb/*.deb; do
    cmp -s "$deb" "$first/$(basename "$deb")" || { echo "two builds differ: $(basename "$deb")"; exit 1; }
    echo "reproducible: $(sha256sum "$deb" | cut -c1-16)  $(basename "$deb")"
  done
  rm -rf "$first"
else
  echo "reproducibility: not compared here (GUS_PACKAGE_BUILDS=1)"
fi

# Any lintian error or warning, on the source package or a binary one, fails.
quietly lintian --fail-on error,warning "$build"/deb/gusanicida_*.changes

deb=$(ls "$build"/deb/gusanicida_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "package: $(basename "$deb"), installed size: $(dpkg-deb -f "$deb" Installed-Size) kB"
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
