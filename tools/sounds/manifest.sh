#!/usr/bin/env bash
# Prints the sound generator's tool versions and the SHA-256 of every catalogued file in FOLDER.
#
# Usage: tools/sounds/manifest.sh [folder]     (default: <repo>/data)
# Lines: "tool<TAB>name<TAB>version" and "sha256<TAB>file<TAB>hash".

set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DIR="${1:-$HERE/../../data}"

# The Debian package's version names the exact build; the program's own is the fallback.
package() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "not a Debian package"; }

# The Spanish voice is its dictionary, its voice file and the shared phoneme tables.
voice_data() {
    local data
    data=$(espeak-ng --version | sed -n 's/.*Data at: *//p')
    (cd "$data" && cat es_dict lang/roa/es phondata phonindex phontab intonations) |
        sha256sum | cut -d' ' -f1
}

printf 'tool\tsox\t%s (%s)\n' "$(sox --version | awk '{ print $NF }')" "$(package libsox3)"
printf 'tool\tespeak-ng\t%s (%s)\n' "$(espeak-ng --version | awk '{ print $4 }')" "$(package libespeak-ng1)"
printf 'tool\tespeak-ng voice es\tsha256 %s (espeak-ng-data %s)\n' "$(voice_data)" "$(package espeak-ng-data)"
while IFS=$'\t' read -r file _; do
    case $file in '' | '#'*) continue ;; esac
    printf 'sha256\t%s\t%s\n' "$file" "$(sha256sum "$DIR/$file" | cut -d' ' -f1)"
done <"$HERE/../../sound/catalogue.tsv"
