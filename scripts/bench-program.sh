#!/usr/bin/env bash
# Measures the whole program (start to first sound, CPU share, peak memory) and prints one table.
# Builds nothing; exits 1 only when a measurement could not be made (a missed goal shows as MISS).
# Usage: bench-program.sh BUILD_DIR [--runs N] [--seconds S] [--xvfb] [--nice N]
#   --runs N     warm starts timed (default 20; one more, uncounted, goes first)
#   --seconds S  length of each CPU measurement (default 20)
#   --xvfb       show the windows on a virtual X server (Qt xcb) instead of Qt's offscreen platform
#   --nice N     run everything at this niceness (-20..19; below 0 needs root): on a busy machine a
#                negative one keeps other work from delaying the start; the table says so
set -euo pipefail

usage() {
  sed -n '4,9s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

[ $# -ge 1 ] || usage
build=$(cd "$1" && pwd) || usage
shift
runs=20
seconds=20
xvfb=0
nice=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=${2:?}; shift 2 ;;
    --seconds) seconds=${2:?}; shift 2 ;;
    --xvfb) xvfb=1; shift ;;
    --nice) nice=${2:?}; shift 2 ;;
    *) usage ;;
  esac
done

bin=$build/bin
for program in gusanicida bench_program; do
  [ -x "$bin/$program" ] || { echo "bench-program: build $bin/$program first" >&2; exit 1; }
done

# Every measurement runs in a display of its own: Xvfb's work is another process, not counted.
if [ "$xvfb" = 1 ]; then
  command -v xvfb-run >/dev/null || { echo "bench-program: xvfb-run is not installed" >&2; exit 1; }
  export QT_QPA_PLATFORM=xcb
  run() { nice -n "$nice" xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }
else
  export QT_QPA_PLATFORM=offscreen
  run() { nice -n "$nice" "$@"; }
fi
# A screen reader bridge would add work the player has too, but cannot be had headless.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

machine=$(awk -F': ' '/^model name/ {n = $2} /^cpu family/ {f = $2} /^model\t/ {m = $2}
  END {printf "%s (family %s, model %s)", n, f, m; exit}' /proc/cpuinfo)
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
versions=$(dpkg-query -W -f 'SDL2 ${Version}; ' libsdl2-2.0-0 2>/dev/null || true)
versions+=$(dpkg-query -W -f 'Qt ${Version}' libqt6core6 2>/dev/null || true)

echo "GUSANICIDA, the whole program measured"
echo "machine: $machine, $(nproc) cores; Linux $(uname -r)"
echo "build: $build (${build_type:-unknown build type}); $versions"
echo "display: Qt $QT_QPA_PLATFORM; niceness of the measured programs: $nice"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine delays the start)"
echo
printf '%-46s %-44s %-19s %-5s %s\n' measure value goal met conditions ------- ----- ---- --- ----------

status=0
run "$bin/bench_program" start "$bin/gusanicida" "$runs" || status=1
run "$bin/bench_program" menu "$bin/gusanicida" "$seconds" || status=1
run "$bin/bench_program" game "$seconds" 2>/dev/null || status=1
run "$bin/bench_program" intro 5 2>/dev/null || status=1

echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
