#!/bin/bash
# Key to sound with and without the screen reader, in the screen reader's test session. Says so
# and goes on when a tool of the session is missing. Usage: bench-keysound.sh BUILD_DIR
# (KEYSOUND_SECONDS: the busy game with Orca, 600; KEYSOUND_SECONDS_WITHOUT: without, 120).
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
[ -x "$build/bin/bench_keysound" ] || { echo "bench_keysound not built (libpulse, libxtst)"; exit 0; }
total=$(( ${KEYSOUND_SECONDS:-600} + ${KEYSOUND_SECONDS_WITHOUT:-120} + 120 ))
# One Orca per user: wait (up to ten minutes) for another session's to end.
for _ in $(seq 120); do pgrep -x orca >/dev/null || break; sleep 5; done
ORCA_TEST_SECONDS=$total "$here/../../tests/frontend/run_orca_test.sh" "$build/bin/gusanicida" \
    "$here/key_to_sound.py" 2>/dev/null
status=$?
[ "$status" -eq 77 ] && exit 0
exit "$status"
