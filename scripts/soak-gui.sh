#!/bin/bash
# The real program for a long evening with Orca under Xvfb, by keys only (scripts/soak_gui.py).
# Usage: soak-gui.sh BUILD_DIR [MINUTES]. Works on the sanitizer build too: its reports fail it.
# Says so and passes when a tool of the screen reader's session is missing.
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}" minutes="${2:-60}"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
# The system libraries' leaks, and the key copies Qt's AT-SPI bridge leaves behind at the end.
supp="$(mktemp)"
trap 'rm -f "$supp"' EXIT
cat "$here/../tests/lsan.supp" "$here/../tests/lsan-atspi.supp" >"$supp"
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
# One Orca per user: wait (up to ten minutes) for another session's to end.
for _ in $(seq 120); do pgrep -x orca >/dev/null || break; sleep 5; done
ORCA_TEST_SECONDS=$(( ${minutes%.*} * 60 + 300 )) \
    "$here/../tests/frontend/run_orca_test.sh" "$build/bin/gusanicida" "$here/soak_gui.py" "$minutes"
status=$?
[ "$status" -eq 77 ] && exit 0
exit "$status"
