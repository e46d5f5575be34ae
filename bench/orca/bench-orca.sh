#!/bin/bash
# Runs the status-latency benchmark with the real screen reader; says so and goes on when Orca
# or another tool of the session is missing. Usage: bench-orca.sh BUILD_DIR
here="$(cd "$(dirname "$0")" && pwd)"
"$here/../../tests/frontend/run_orca_test.sh" "${1:-build}/bin/gusanicida" "$here/status_latency.py" \
    2>/dev/null
status=$?
[ "$status" -eq 77 ] && exit 0
exit "$status"
