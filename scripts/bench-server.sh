#!/usr/bin/env bash
# Play to the sink on real sound servers, each started here in a private runtime folder and
# stopped at the end: PulseAudio, then PipeWire with its PulseAudio layer. Usage: BUILD [CLICKS]
set -uo pipefail
build=${1:-build}
clicks=${2:-100}
bench=$(realpath -m "$build/bin/bench_server")
pids=()
folder=""

stop_ours() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  pids=()
  [ -n "$folder" ] && rm -rf "$folder"
  folder=""
}
trap stop_ours EXIT

# A fresh runtime folder and home, so nothing of another server or session is seen or touched.
private_folder() {
  folder=$(mktemp -d /tmp/gus-bench-server.XXXXXX)
  mkdir -p "$folder/home"
  export XDG_RUNTIME_DIR=$folder HOME=$folder/home
  unset PULSE_SERVER DBUS_SESSION_BUS_ADDRESS PIPEWIRE_LATENCY PULSE_LATENCY_MSEC
}

await_server() {
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "the server did not answer"; return 1
}

# "default" leaves SDL_AUDIODRIVER unset: the backend the game itself picks.
run_bench() {
  echo "== $1 ($(pactl info | sed -n 's/^Server Name: //p')), SDL driver asked: $2"
  if [ "$2" = default ]; then
    env -u SDL_AUDIODRIVER "$bench" "$clicks"
  else
    SDL_AUDIODRIVER=$2 "$bench" "$clicks"
  fi
}

pulseaudio_run() {
  private_folder
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=bench" \
    2>"$XDG_RUNTIME_DIR/server.log" &
  pids+=($!)
  if await_server; then
    for driver in pulseaudio default; do
      run_bench "PulseAudio $(pulseaudio --version | cut -d' ' -f2), null sink" "$driver"
    done
  fi
  stop_ours
}

pipewire_run() {
  private_folder
  dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" 2>/dev/null &
  pids+=($!)
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  pipewire 2>"$XDG_RUNTIME_DIR/pipewire.log" &
  pids+=($!)
  sleep 0.5
  wireplumber 2>"$XDG_RUNTIME_DIR/wireplumber.log" &
  pids+=($!)
  pipewire-pulse 2>"$XDG_RUNTIME_DIR/pipewire-pulse.log" &
  pids+=($!)
  if await_server; then
    pactl load-module module-null-sink sink_name=bench >/dev/null
    pactl set-default-sink bench
    sleep 1
    for driver in pipewire pulseaudio default; do
      run_bench "PipeWire $(pipewire --version | sed -n 's/.*libpipewire //p' | head -1), null sink" "$driver"
    done
  fi
  stop_ours
}

"$(dirname "$0")/install-bench-deps.sh" || { echo "bench-server: the sound servers could not be installed"; exit 0; }
[ -x "$bench" ] || { echo "bench-server: $build/bin/bench_server was not built (libpulse-dev missing?)"; exit 0; }
for tool in pulseaudio pipewire wireplumber pipewire-pulse pactl dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "bench-server: $tool missing (make bench installs it)"; exit 0; }
done
pulseaudio_run
pipewire_run
