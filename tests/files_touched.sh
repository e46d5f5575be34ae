#!/usr/bin/env bash
# A whole headless game writes no file, opens no connection and reads only its own sound files
# (and the system's libraries). Usage: files_touched.sh path/to/gusanicida-sim
set -euo pipefail
sim=$1
folder=$(cd "$(dirname "$sim")" && pwd)
command -v strace >/dev/null || { echo "strace is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Twenty games' worth of "yes", then 3000 steps with a bomb now and then, set off with Shift.
{ echo "seed 3"; printf 'answer yes\n%.0s' {1..20}; echo load
  for i in $(seq 1 3000); do
    echo "key $(( (i * 7) % 4 + 37 ))"; ((i % 9)) || echo "key 32"; ((i % 13)) || echo "key 16 1"
    echo "wait 250"
  done; echo state; } > "$work/script"
# LeakSanitizer cannot run under ptrace; the sanitizer runtime itself reads /proc.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" strace -f -qq -o "$work/trace" \
  -e trace=open,openat,creat,connect,socket,mkdir,unlink,unlinkat,rename,truncate \
  "$sim" < "$work/script" > "$work/out"
bad=0
grep -E '(connect|socket|creat|mkdir|unlink|rename|truncate)\(|open(at)?\(.*O_(WRONLY|RDWR|CREAT)' \
  "$work/trace" && bad=1
allowed="^(/etc/ld\.so\.|/lib/|/lib64/|/usr/lib/|/usr/lib64/|/usr/share/locale/|/proc/self/|/proc/[0-9]+/|/sys/|${folder//./\\.}/snd[0-9]{2}\.wav$)"
grep -oE 'open(at)?\([^"]*"[^"]*"' "$work/trace" | sed -E 's/.*"([^"]*)"/\1/' | sort -u |
  grep -vE "$allowed" | sed 's/^/unexpected file read: /' | grep . && bad=1
sounds=$(grep -c '"sound"' "$work/out" || true)
echo "sound events: $sounds; files opened: $(grep -cE 'open(at)?\(' "$work/trace")"
[ "$sounds" -gt 0 ] || { echo "the game made no sound at all"; bad=1; }
exit $bad
