#!/usr/bin/env bash
# Play to the sink on real sound servers, each started here in a private runtime folder and
# stopped at the end: PulseAudio, then PipeWire with its PulseAudio layer. Usage: BUILD [CLICKS]
set -uo pipefail
build=${1:-build}
clicks=${2:-100}
bench=$(realpath "$build/bin/bench_server")
pids=()

stop_ours() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  pids=()
}
trap stop_ours EXIT

# A fresh runtime folder and home, so nothing of another server or session is seen or touched.
private_folder() {
  local dir
  dir=$(mktemp -d /tmp/gus-bench-server.XXXXXX)
  mkdir -p "$dir/home"
  export XDG_RUNTIME_DIR=$dir HOME=$dir/home
  unset PULSE_SERVER DBUS_SESSION_BUS_ADDRESS PIPEWIRE_LATENCY PULSE_LATENCY_MSEC
}

await_server() {
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "the server did not answer"; return 1
}

run_bench() {
  echo "== $1, SDL driver '$2' ($(pactl info | sed -n 's/^Server Name: //p'))"
  SDL_AUDIODRIVER=$2 "$bench" "$clicks"
}

pulseaudio_run() {
  private_folder
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=bench" \
    2>"$XDG_RUNTIME_DIR/server.log" &
  pids+=($!)
  await_server && run_bench "PulseAudio $(pulseaudio --version | cut -d' ' -f2), null sink" pulseaudio
  stop_ours
}

pipewire_run() {
  private_folder
  dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" &
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
    for driver in pipewire pulseaudio; do
      run_bench "PipeWire $(pipewire --version | sed -n 's/.*libpipewire //p'), null sink" "$driver"
    done
  fi
  stop_ours
}

for tool in pulseaudio pipewire wireplumber pipewire-pulse pactl dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "bench-server: $tool missing (make bench installs it)"; exit 0; }
done
pulseaudio_run
pipewire_run
