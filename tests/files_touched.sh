#!/usr/bin/env bash
# A whole headless game writes no file, opens no connection and reads only its own sound files
# (and the system's libraries). Usage: files_touched.sh path/to/gusanicida-sim
set -euo pipefail
sim=$1
folder=$(cd "$(dirname "$sim")" && pwd)
command -v strace >/dev/null || { echo "strace is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
  echo "seed 3"
  for i in $(seq 1 20); do echo "answer yes"; done
  echo "load"
  for i in $(seq 1 3000); do
    echo "key $(( (i * 7) % 4 + 37 ))"
    [ $((i % 9)) -eq 0 ] && echo "key 32"
    [ $((i % 13)) -eq 0 ] && echo "key 16 1"
    echo "wait 250"
  done
  echo "state"
} > "$work/script"

# LeakSanitizer cannot run under ptrace; the sanitizer runtime itself reads /proc.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" strace -f -qq -e trace=open,openat,creat,connect,socket,mkdir,unlink,unlinkat,rename,truncate \
  -o "$work/trace" "$sim" < "$work/script" > "$work/out"

bad=0
if grep -E '(connect|socket|creat|mkdir|unlink|rename|truncate)\(' "$work/trace"; then bad=1; fi
if grep -E 'open(at)?\(.*O_(WRONLY|RDWR|CREAT)' "$work/trace"; then bad=1; fi
while IFS= read -r path; do
  case "$path" in
    /etc/ld.so.*|/lib/*|/lib64/*|/usr/lib/*|/usr/lib64/*|/usr/share/locale/*) ;;
    /proc/self/*|/proc/[0-9]*/*|/sys/*) ;;
    "$folder"/snd[0-9][0-9].wav) ;;
    *) echo "unexpected file read: $path"; bad=1 ;;
  esac
done < <(grep -oE 'open(at)?\([^"]*"[^"]*"' "$work/trace" | sed -E 's/.*"([^"]*)"/\1/' | sort -u)

sounds=$(grep -cE '"sound"' "$work/out" || true)
echo "sound events: $sounds; files opened: $(grep -cE 'open(at)?\(' "$work/trace")"
[ "$sounds" -gt 0 ] || { echo "the game made no sound at all"; bad=1; }
exit $bad
