#!/usr/bin/env bash
# Makes the Debian source package from the working tree and builds it with dpkg-buildpackage, as
# a distribution would: everything lands in OUT_DIR (the .dsc and .tar.xz, the .deb files, the
# .buildinfo and .changes). DEB_BUILD_OPTIONS is passed on (nocheck: the tests are not built).
# Usage: build-deb.sh OUT_DIR
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=$1
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$out"
# The source package, as debian/source/options cuts it from the tree, unpacked as `apt-get
# source` would unpack it, then built from there.
dpkg-source --build "$src" >/dev/null
dpkg-source --no-check --extract "$out"/gusanicida_*.dsc "$out/source" >/dev/null
# ccache's base_dir would hand the compiler relative paths, which end up in the debug information:
# the package is built with the paths dpkg-buildpackage maps, cache or no cache.
(cd "$out/source" && env -u CCACHE_BASEDIR dpkg-buildpackage -us -uc >"$out/build.log" 2>&1) ||
  { tail -n 40 "$out/build.log"; echo "dpkg-buildpackage failed: $out/build.log"; exit 1; }
rm -rf "$out/source"
ls "$out"/*.deb
