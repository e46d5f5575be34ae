#!/bin/bash
# Runs the program under Xvfb with the accessibility bus and a window manager, then checks
# from an AT-SPI listener that the game's status changes reach a screen reader.
# Exit 0 passed, 1 failed, 77 skipped (the X server or the AT-SPI tools are not installed).
set -u

program="${1:?usage: run_atspi_test.sh PATH_TO_GUSANICIDA}"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
bus_launcher=/usr/libexec/at-spi-bus-launcher

skip() {
    echo "SKIP: $1"
    exit 77
}
for tool in Xvfb dbus-launch openbox xdotool; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$bus_launcher" ] || skip "at-spi2-core is not installed"
"$python" -c 'import pyatspi' >/dev/null 2>&1 || skip "python3-pyatspi is not installed"
[ -x "$program" ] || { echo "FAIL: $program is not a program"; exit 1; }

work="$(mktemp -d)"
groups=()
bus_pid=""

cleanup() {
    # The X server goes last, so no client is cut off from it while still at work.
    local reversed=()
    for g in "${groups[@]}"; do reversed=("$g" "${reversed[@]}"); done
    for g in "${reversed[@]}"; do kill -TERM -- "-$g" 2>/dev/null; done
    [ -n "$bus_pid" ] && kill -TERM "$bus_pid" 2>/dev/null
    sleep 0.3
    for g in "${reversed[@]}"; do kill -KILL -- "-$g" 2>/dev/null; done
    [ -n "$bus_pid" ] && kill -KILL "$bus_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Every helper in a process group of its own, so it goes with all it started.
start() {
    setsid "$@" &
    groups+=("$!")
}

export HOME="$work" XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
exec 3>"$work/display"
start Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# Waits up to five seconds for a condition.
wait_until() {
    for _ in $(seq 50); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
wait_until xdotool getdisplaygeometry || { echo "FAIL: the X server does not answer"; exit 1; }

eval "$(env -u DISPLAY dbus-launch --sh-syntax)"
bus_pid="$DBUS_SESSION_BUS_PID"
start "$bus_launcher" --launch-immediately
# Without a window manager no window gets the focus: the program starts once it is running.
start openbox --sm-disable --startup "touch $work/wm-ready"
wait_until test -e "$work/wm-ready" || { echo "FAIL: openbox did not start"; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=0
start timeout -k 3 45 "$python" "$here/atspi_status.py" "$program"
wait "${groups[-1]}"
