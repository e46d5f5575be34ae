#!/usr/bin/env bash
# The installed tree (`cmake --install` into a scratch root): every catalogued sound and the
# instructions beside the program, the programs starting from there (the game with no audio
# device), and a missing Spanish translation of Qt told on standard error. Usage: installed_tree.sh BUILD_DIR QT_PLUGIN_DIR
set -euo pipefail
build=$1 plugins=$2 source=$(cd "$(dirname "$0")/.." && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
dir=$root/usr/lib/games/gusanicida failed=0
fail() { echo "FAILED: $*"; failed=1; }
for f in $(grep -v '^#' "$source/sound/catalogue.tsv" | cut -f1) instrucciones.html; do
  cmp -s "$source/data/$f" "$dir/$f" || fail "$f is not beside the installed program"
done
cmp -s "$source/data/instrucciones.html" "$root/usr/share/doc/gusanicida/instrucciones.html" ||
  fail "instrucciones.html is not among the documents"
# The runner finds the first worm's sound in its own folder: it plays.
[[ $(printf 'load\nstate\n' | "$dir/gusanicida-sim") == *'"Playing":-1'* ]] || fail "the runner heard nothing"
# The program players run, by its link, with no audio device: still up after 3 s (status 124).
mkdir -m 700 "$root/run"
game() { XDG_RUNTIME_DIR=$root/run QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=no-such-driver timeout -k 5 3 "$root/usr/games/gusanicida" 2>&1 || echo "status $?"; }
[ "$(game)" = "status 124" ] || fail "the installed game: $(game)"
# Qt's translations moved to an empty folder: the game says the buttons will be in English.
mkdir "$root/none"
printf '[Paths]\nPrefix=/usr\nPlugins=%s\nTranslations=%s\n' "$plugins" "$root/none" >"$dir/qt.conf"
said=$(game)
[[ $said == *"gusanicida: no se encuentra la traducción de Qt al español"*"status 124" ]] ||
  fail "a missing Spanish translation went unsaid: $said"
echo "installed tree: $([ $failed = 0 ] && echo good || echo FAILED)"
exit $failed
