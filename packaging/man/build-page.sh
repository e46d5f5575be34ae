#!/bin/sh
# Turns one scdoc page into a compressed roff page: the header gets the version and the manual's
# name in the page's language, and hyphenation stays off (a screen reader speaks a split word as
# two). Usage: build-page.sh SCDOC SOURCE.scd OUTPUT.gz "GUSANICIDA 1.0.0" "MANUAL NAME"
set -e
"$1" < "$2" > "$3.roff"
sed -e "/^\.TH /{s/\$/ \"$4\" \"$5\"/" -e "a .nh" -e "}" "$3.roff" | gzip -9n > "$3"
rm "$3.roff"
