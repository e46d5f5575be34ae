#!/bin/bash
# Usage: run_orca_test.sh PATH_TO_GUSANICIDA DRIVER.py [ARGS...]. Runs the driver (given the program,
# then ARGS, and Orca's speech log in $ORCA_LOG) against the real screen reader: Xvfb, openbox, the
# accessibility bus, PulseAudio with a null sink, speech-dispatcher with espeak-ng and Orca, in
# es_ES.UTF-8. Exit 0 passed, 1 failed, 77 skipped (1 instead when GUS_ORCA_REQUIRED is set).
set -u
bus_launcher=/usr/libexec/at-spi-bus-launcher
here="$(cd "$(dirname "$0")" && pwd)"
skip() {
    [ -n "${GUS_ORCA_REQUIRED:-}" ] && { echo "FAIL: required, but cannot run: $1"; exit 1; }
    echo "SKIP: $1"
    exit 77
}
fail() { echo "FAIL: $1"; exit 1; }
if [ -z "${ORCA_TEST_SESSION:-}" ]; then  # an X server and a session bus of its own, gone with it
    for tool in xvfb-run xauth dbus-run-session openbox xdotool orca speech-dispatcher pulseaudio \
        pactl "$bus_launcher"; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
    done
    /usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1 || skip "python3-pyatspi is not installed"
    locale -a 2>/dev/null | grep -qi '^es_ES.utf-\?8$' || skip "the es_ES.UTF-8 locale is not generated"
    # The Orca of the test before this one may still be going away: give it half a minute.
    for _ in $(seq 60); do pgrep -x orca >/dev/null || break; sleep 0.5; done
    pgrep -x orca >/dev/null && skip "another Orca is running (one Orca per user)"
    [ -x "${1:-}" ] && [ -f "${2:-}" ] || fail "usage: run_orca_test.sh PATH_TO_GUSANICIDA DRIVER.py"
    ORCA_TEST_SESSION=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
        dbus-run-session -- "$0" "$@"
fi
work="$(mktemp -d)" groups=()
cleanup() {
    kill -TERM -- "${groups[@]/#/-}" 2>/dev/null; sleep 0.3
    kill -KILL -- "${groups[@]/#/-}" 2>/dev/null
    [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$work/orca.log" "$KEEP_ORCA_LOG"
    rm -rf "$work"
}
trap cleanup EXIT
start() { setsid "$@" & groups+=("$!"); }  # a process group of its own, to go with all it starts
wait_until() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return; sleep 0.1; done; false; }

export LANG=es_ES.UTF-8 LANGUAGE=es LC_ALL=es_ES.UTF-8 TZ=UTC HOME="$work" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME"
start "$bus_launcher" --launch-immediately
start openbox --sm-disable --startup "touch $work/wm-ready"  # without it no window gets the focus
wait_until test -e "$work/wm-ready" || fail "openbox did not start"
# Speech needs a sound sink, or the synthesiser stalls in Orca's first utterance.
start pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disallow-exit \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=nada" --load=module-always-sink
wait_until pactl info || fail "PulseAudio did not start"
start speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
    --socket-path "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
wait_until test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
    fail "speech-dispatcher did not start"
# Orca writes its debug log in blocks; each line must be there as soon as it is spoken.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
import orca.debug as _debug
if _debug.debugFile:
    _debug.debugFile.flush()
    _debug.debugFile = open(_debug.debugFile.name, "a", buffering=1)
PY
export ORCA_LOG="$work/orca.log" ORCA_MAJOR
ORCA_MAJOR="$(/usr/bin/python3 "$here/orca_log.py" version)"
start orca --replace --debug-file="$ORCA_LOG"
wait_until /usr/bin/python3 "$here/orca_log.py" ready "$ORCA_LOG" || fail "Orca $ORCA_MAJOR did not start"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=0
# The driver's own process group goes when the time is up (ORCA_TEST_SECONDS, 150 unless a long
# run asks for more): the program it started with it.
timeout -k 3 "${ORCA_TEST_SECONDS:-150}" /usr/bin/python3 "$2" "$1" "${@:3}"
