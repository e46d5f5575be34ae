#!/usr/bin/env bash
# GUSANICIDA - sound generator.
#
# Builds every sound of the game from nothing: effects and music are
# synthesized with sox, voices are spoken by espeak-ng (Spanish voice).
# The output is deterministic: sox always runs with -R (fixed random seed),
# so running this script twice gives byte-identical files.
#
# Usage: tools/sounds/generate.sh [output-folder]     (default: <repo>/data)
#
# The files to make are the rows of sound/catalogue.tsv. Their levels follow
# the mix plan in tools/sounds/README.md (check.sh measures them). Writing into
# <repo>/data also records the tool versions and the files' hashes in
# tools/sounds/manifest.tsv.
#
# All files: WAV, 16-bit PCM, 48000 Hz. Effects are mono, the menu music is
# stereo, the spoken recordings are mono (to keep the data set small).

set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DATA="$(cd "$HERE/../../data" && pwd)"
CATALOGUE="$HERE/../../sound/catalogue.tsv"
OUT="${1:-$DATA}"
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"

for tool in sox espeak-ng awk; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT

RATE=48000
VOICE="es"        # espeak-ng voice
SPEED=160         # words per minute

# ---------------------------------------------------------------- helpers --

# sox, always repeatable (fixed seed for noise and dither) and quiet.
S() { sox -R -V1 "$@"; }

# Intermediate files are mono 32-bit float, so nothing clips or gets
# quantized before the final step.
F=(-r "$RATE" -c 1 -b 32 -e floating-point)

# gen OUT synth-and-effects...   : generate from nothing
gen() { local o=$1; shift; S -n "${F[@]}" "$o" "$@"; }

# fx IN OUT effects...            : process a file
fx() { local i=$1 o=$2; shift 2; S "$i" -b 32 -e floating-point "$o" "$@"; }

# mix OUT [-v VOL] IN [-v VOL] IN ...   : sum several files (no auto-scaling)
mix() { local o=$1; shift; S -m "$@" -b 32 -e floating-point "$o"; }

# cat OUT IN IN ...               : join files one after another
cat_() { local o=$1; shift; S "$@" -b 32 -e floating-point "$o"; }

# noise KIND OFFSET LEN OUT effects...
# All noise from a repeatable sox is the same sequence, so different sounds
# take their noise from different places of a longer stream (4 s: OFFSET +
# LEN stays within it).
noise() {
    local kind=$1 off=$2 len=$3 o=$4; shift 4
    gen "$o" synth 4 "$kind" trim "$off" "$len" "$@"
}

# Finish a short effect: remove DC and sub-audio rumble, cut any leading and
# trailing silence, an anti-click fade at each end (10 ms at the end, so the
# last 2 ms are always near silence), then set its peak to PEAK dBFS. PEAK is
# what brings the effect to its role's loudness in the mix plan; true peaks
# stay below -1 dBTP because no PEAK is above -1.5.
finish_fx() {
    local i=$1 name=$2 peak=$3
    fx "$i" "$T/fin0.wav" highpass 20 \
        silence 1 1s -55d reverse silence 1 1s -70d reverse
    S "$T/fin0.wav" -b 16 -e signed-integer "$OUT/$name" \
        fade q 0.0008 -0 0.010 gain -n "$peak"
}

# Finish music / recordings: DC removal, peak at PEAK dBFS, 16-bit.
finish_long() {
    local i=$1 name=$2 peak=$3
    S "$i" -b 16 -e signed-integer "$OUT/$name" highpass 20 gain -n "$peak"
}

# semi NOTE : semitones from A4 (A4 = 0). NOTE is like C5, F#4, Bb3.
semi() {
    local l=${1:0:1} r=${1:1} a=0 s
    case $r in \#*) a=1; r=${r:1} ;; b*) a=-1; r=${r:1} ;; esac
    case $l in C) s=-9 ;; D) s=-7 ;; E) s=-5 ;; F) s=-4 ;; G) s=-2 ;; A) s=0 ;; B) s=2 ;; esac
    echo $(( s + a + (r - 4) * 12 ))
}

# speak TEXT OUT : Spanish voice, resampled to 48 kHz, mono float, peak at
# -1.5 dBFS. espeak-ng pads with digital silence: only that is cut (-70 dB),
# so no decay is lost. It also stops its last sound abruptly, so the last
# 60 ms are faded: the voice ends in a short decay, never in a click.
# Its pulses peak far above its loudness: a slow compressor evens the words
# and a fast limiter (1 ms look-ahead) trims the pulses, so the voice reaches
# the plan's loudness with a true peak under -1 dBTP.
speak() {
    espeak-ng -v "$VOICE" -s "$SPEED" -a 100 -w "$T/espeak.wav" "$1"
    fx "$T/espeak.wav" "$T/espeak48.wav" rate -v "$RATE" highpass 60 \
        equalizer 3000 1.2q 2 \
        silence 1 1s -70d reverse silence 1 1s -70d reverse \
        compand 0.005,0.15 6:-24,-24,0,-14 0 -24 0.005 gain -n -3 \
        compand 0.0005,0.05 1:-12,-12,0,-9.5 0 -90 0.001
    fx "$T/espeak48.wav" "$2" fade q 0.003 -0 0.06 gain -n -1.5
}

# ------------------------------------------------------------- footsteps --

# One step on the warehouse floor: a short filtered noise scuff carries the
# step (it is what small speakers play); a knock of the heel is a layer
# under it. KNOCK is the heel pitch (Hz), BAND the scuff colour, OFF picks a
# different stretch of noise, PEAK the level that meets the mix plan.
step() {
    local name=$1 knock=$2 band=$3 off=$4 peak=$5
    gen "$T/knock.wav" synth 0.09 sine "$knock:$((knock * 2 / 3))" fade h 0 0.09 0.085
    noise pinknoise "$off" 0.14 "$T/scuff.wav" \
        bandpass "$band" 0.9q lowpass 4500 fade h 0.001 0.14 0.13
    noise whitenoise "$off" 0.006 "$T/click.wav" highpass 2500 fade t 0 0.006 0.006
    mix "$T/step.wav" -v 0.35 "$T/knock.wav" -v 1.8 "$T/scuff.wav" -v 0.5 "$T/click.wav"
    finish_fx "$T/step.wav" "$name" "$peak"
}
PasoA() { step "$1" 190 850 0.31 -5.5; }
PasoB() { step "$1" 160 700 1.73 -7.8; }

# -------------------------------------------------------------- the worms --

# Worm entering the warehouse: a wet, bubbling sweep that rises, with a
# squelchy noise layer that opens up as it goes.
EntraMonstruo() {
    gen "$T/body.wav" synth 0.75 sawtooth 90/260 synth 0.75 sine amod 14 \
        lowpass 900 fade q 0.01 0.75 0.25
    noise brownnoise 0.52 0.75 "$T/slime.wav" \
        bandpass 700 0.7q tremolo 17 80 fade q 0.005 0.75 0.3
    gen "$T/bub.wav" synth 0.75 sine 300/900 synth 0.75 square amod 9 \
        lowpass 2000 fade q 0.02 0.75 0.2
    mix "$T/in.wav" -v 0.9 "$T/body.wav" -v 1.4 "$T/slime.wav" -v 0.35 "$T/bub.wav"
    finish_fx "$T/in.wav" "$1" -8.8
}

# Worm moving (sound gallery): a long slither, hissy scrape swelling in
# slow waves over a soft drag (kept above 120 Hz: it is texture, not boom).
MonstruoMoviendose() {
    noise pinknoise 2.11 0.85 "$T/hiss.wav" \
        bandpass 2600 0.8q tremolo 6.5 75 fade q 0.003 0.85 0.25
    noise brownnoise 1.37 0.85 "$T/drag.wav" \
        highpass 120 lowpass 500 tremolo 3.2 50 fade q 0.003 0.85 0.25
    mix "$T/slither.wav" -v 1.0 "$T/hiss.wav" -v 0.8 "$T/drag.wav"
    finish_fx "$T/slither.wav" "$1" -7.8
}

# Worm step in the game: a small soft wet "blup", round and mid-pitched,
# short and quiet on top so many of them never turn into a wash of noise.
PasoMonstruo() {
    gen "$T/blup.wav" synth 0.11 sine 260:420 fade q 0.004 0.11 0.09
    noise brownnoise 3.03 0.06 "$T/wet.wav" bandpass 600 1.5q fade l 0.001 0.06 0.055
    mix "$T/wstep.wav" -v 1.0 "$T/blup.wav" -v 0.6 "$T/wet.wav"
    finish_fx "$T/wstep.wav" "$1" -14.8
}

# Worm killing you: three crunching bites (noise bursts through a distorted
# band) over a rough growl that dies away; the growl sits above 60 Hz so
# small speakers still play it.
MonstruoTeMata() {
    local i=0 off
    for off in 0.10 0.47 0.83; do
        noise whitenoise "$off" 0.09 "$T/bite$i.wav" \
            bandpass 1400 0.6q overdrive 15 fade l 0.001 0.09 0.08 pad "$(awk -v k=$i 'BEGIN{print k*0.16}')"
        i=$((i + 1))
    done
    gen "$T/growl.wav" synth 1.2 sawtooth 110:70 synth 1.2 sine fmod 31 \
        overdrive 12 highpass 60 lowpass 900 tremolo 19 40 fade q 0.02 1.2 0.6
    mix "$T/kill.wav" -v 1.0 "$T/bite0.wav" -v 1.0 "$T/bite1.wav" -v 1.0 "$T/bite2.wav" -v 0.6 "$T/growl.wav"
    finish_fx "$T/kill.wav" "$1" -2.2
}

# Worm dying: a squeal that wobbles and falls a long way, then fades out.
MuereMonstruo() {
    gen "$T/squeal.wav" synth 0.8 square 1300/180 synth 0.8 sine amod 9 \
        lowpass 3500 fade q 0.003 0.8 0.45
    gen "$T/squeal2.wav" synth 0.8 sine 1950/270 fade q 0.003 0.8 0.45
    mix "$T/die.wav" -v 0.8 "$T/squeal.wav" -v 0.4 "$T/squeal2.wav"
    finish_fx "$T/die.wav" "$1" -10
}

# ---------------------------------------------------------------- bombs --

# Fuse tick: a sharp clock tick, a tiny bright click plus a short wooden
# ping, over in a few milliseconds.
Mecha() {
    noise whitenoise 0.77 0.02 "$T/tclick.wav" highpass 3000 fade l 0 0.02 0.019
    gen "$T/tping.wav" synth 0.05 sine 3500 synth 0.05 sine mix 2300 fade l 0 0.05 0.048
    mix "$T/tick.wav" -v 1.0 "$T/tclick.wav" -v 0.6 "$T/tping.wav"
    finish_fx "$T/tick.wav" "$1" -8.5
}

# Explosion: a bright crack and a blast of mid noise that the ear places,
# with a falling boom and a rumble as the low layer under them; squeezed so
# it is the loudest thing in the game without a higher peak.
Explosion() {
    noise whitenoise 1.11 0.06 "$T/crack.wav" highpass 1200 fade l 0 0.06 0.055
    noise pinknoise 1.93 1.0 "$T/blast.wav" bandpass 800 0.6q fade h 0.002 1.0 0.95
    gen "$T/boom.wav" synth 0.9 sine 90:40 fade l 0 0.9 0.85
    noise brownnoise 2.9 1.1 "$T/rumble.wav" highpass 80 lowpass 900 \
        overdrive 8 fade h 0.002 1.1 1.05
    mix "$T/expl.wav" -v 0.6 "$T/crack.wav" -v 1.2 "$T/blast.wav" -v 0.5 "$T/boom.wav" -v 1.4 "$T/rumble.wav"
    finish_fx "$T/expl.wav" "$1" -4.8
}

# The flame reaching you: a roaring whoosh of noise that swells quickly,
# with crackling high noise on top.
Llama() {
    noise pinknoise 0.61 0.8 "$T/roar.wav" bandpass 900 0.5q \
        fade q 0.002 0.8 0.5 tremolo 23 25
    noise whitenoise 3.15 0.8 "$T/crackle.wav" highpass 3500 \
        tremolo 41 90 fade q 0.002 0.8 0.4
    gen "$T/swoosh.wav" synth 0.8 sine 180:90 fade q 0.002 0.8 0.6
    mix "$T/flame.wav" -v 1.2 "$T/roar.wav" -v 0.25 "$T/crackle.wav" -v 0.2 "$T/swoosh.wav"
    finish_fx "$T/flame.wav" "$1" -3.9
}

# ------------------------------------------------------------ the level --

# Exit beacon: a bright two-tone chime (E6 then B6, bell-like partials)
# opened by a short broadband noise tick so it is easy to place in stereo.
chime_note() {   # chime_note OUT FREQ
    local o=$1 f=$2
    gen "$o" synth 0.34 sine "$(awk -v f="$f" 'BEGIN{print f*5.4}')" \
        synth 0.34 sine mix "$(awk -v f="$f" 'BEGIN{print f*2.76}')" \
        synth 0.34 sine mix "$f" treble -8 5000 fade h 0.001 0.34 0.33
}
Salida() {
    chime_note "$T/c1.wav" 1318.5
    chime_note "$T/c2.wav" 1975.5
    fx "$T/c2.wav" "$T/c2d.wav" pad 0.12
    noise whitenoise 2.47 0.012 "$T/ctick.wav" highpass 1500 fade l 0 0.012 0.011
    mix "$T/beacon.wav" -v 0.5 "$T/ctick.wav" -v 1.0 "$T/c1.wav" -v 0.8 "$T/c2d.wav"
    finish_fx "$T/beacon.wav" "$1" -11.3
}

# Door closing (a phase begins): a creaking hinge (a low, irregular pulse
# train through resonant bands), then the door's thud and the latch. The
# thud is wood, above 60 Hz, so it is heard on small speakers too.
Puerta() {
    gen "$T/creak.wav" synth 0.55 square 38:62 0 0 4 synth 0.55 sine amod 5 \
        bandpass 1300 3q bandpass 2100 4q fade q 0.005 0.55 0.1
    gen "$T/thud.wav" synth 0.35 sine 140:80 fade l 0 0.35 0.33 pad 0.5
    noise brownnoise 0.9 0.3 "$T/thudn.wav" highpass 90 lowpass 700 fade l 0 0.3 0.28 pad 0.5
    noise whitenoise 1.9 0.015 "$T/latch.wav" bandpass 3000 1q fade l 0 0.015 0.014 pad 0.52
    mix "$T/door.wav" -v 2.5 "$T/creak.wav" -v 0.3 "$T/thud.wav" -v 0.6 "$T/thudn.wav" -v 0.4 "$T/latch.wav"
    finish_fx "$T/door.wav" "$1" -2.3
}

# ------------------------------------------------------------ the music --

# Menu music: A minor, 160 bpm, 8 bars of 4/4 = exactly 12 s.
# An eighth note lasts 9000 samples. Every note is shaped so it ends at zero
# at the end of its own slot; the reverb tail is wrapped around the seam
# (render two turns, keep the second one), so the loop joins without a click.
EIGHTH=9000

# voice OUT KIND "NOTE:EIGHTHS ..."   KIND = lead | bass
voice() {
    local o=$1 kind=$2 seq=$3 parts=() i=0 tok note len ns s
    for tok in $seq; do
        note=${tok%%:*}; len=${tok##*:}; ns=$((len * EIGHTH))
        if [ "$note" = r ]; then
            gen "$T/v$i.wav" trim 0 "${ns}s"
        else
            s=$(semi "$note")
            case $kind in
                lead) gen "$T/v$i.wav" synth "${ns}s" pluck "%$s" \
                          synth "${ns}s" triangle mix "%$s" \
                          fade l 0.003 "${ns}s" "$((ns * 9 / 10))s" ;;
                bass) gen "$T/v$i.wav" synth "${ns}s" triangle "%$s" \
                          synth "${ns}s" sine mix "%$((s - 12))" \
                          fade q 0.004 "${ns}s" 0.04 ;;
            esac
        fi
        parts+=("$T/v$i.wav"); i=$((i + 1))
    done
    cat_ "$o" "${parts[@]}"
}

# pad OUT "CHORD CHORD ..." : one soft 3-note chord per bar; CHORD is N-N-N
pad_() {
    local o=$1 seq=$2 parts=() i=0 c a b d ns=$((8 * EIGHTH))
    for c in $seq; do
        IFS=- read -r a b d <<<"$c"
        gen "$T/p$i.wav" synth "${ns}s" sine "%$(semi "$a")" \
            synth "${ns}s" sine mix "%$(semi "$b")" \
            synth "${ns}s" sine mix "%$(semi "$d")" tremolo 5 10 fade q 0.15 "${ns}s" 0.3
        parts+=("$T/p$i.wav"); i=$((i + 1))
    done
    cat_ "$o" "${parts[@]}"
}

# drums OUT "PATTERN" : one letter per eighth: k kick, s snare, h hat, - rest
drums() {
    local o=$1 pat=${2// /} parts=() i c
    gen "$T/dk.wav" synth 0.14 sine 130:45 fade l 0 0.14 0.13
    noise whitenoise 0.2 0.12 "$T/dsn.wav" bandpass 1800 0.8q fade l 0 0.12 0.11
    gen "$T/dst.wav" synth 0.08 sine 190:150 fade l 0 0.08 0.075
    mix "$T/ds.wav" -v 0.8 "$T/dsn.wav" -v 0.6 "$T/dst.wav"
    noise whitenoise 2.6 0.04 "$T/dh.wav" highpass 7000 fade l 0 0.04 0.038
    gen "$T/d-.wav" trim 0 "${EIGHTH}s"
    for c in k s h; do fx "$T/d$c.wav" "$T/e$c.wav" pad 0 1 trim 0 "${EIGHTH}s"; done
    cp "$T/d-.wav" "$T/e-.wav"
    for ((i = 0; i < ${#pat}; i++)); do parts+=("$T/e${pat:i:1}.wav"); done
    cat_ "$o" "${parts[@]}"
}

# pan IN OUT LEFT RIGHT : mono to stereo with a gain per side
pan() { S "$1" -b 32 -e floating-point -c 2 "$2" remix "1v$3" "1v$4"; }

MusicaMenu() {
    voice "$T/lead.wav" lead "\
A4:2 C5:1 E5:1 A5:2 G5:1 E5:1  F5:2 E5:1 C5:1 A4:2 C5:2 \
D5:2 B4:1 G4:1 D5:1 E5:1 F5:2  E5:3 D5:1 C5:1 B4:1 G#4:2 \
A4:1 A4:1 C5:1 E5:1 A5:2 B5:1 C6:1  D6:2 C6:1 A5:1 F5:2 D5:2 \
E5:2 G#5:1 B5:1 E6:2 D6:1 B5:1  G#5:2 E5:2 B4:2 r:2"
    voice "$T/bass.wav" bass "\
A2:2 A2:1 A3:1 A2:2 E3:2  F2:2 F2:1 F3:1 F2:2 C3:2 \
G2:2 G2:1 G3:1 G2:2 D3:2  E2:2 E2:1 E3:1 E2:2 B2:2 \
A2:2 A2:1 A3:1 A2:2 E3:2  D3:2 D3:1 D2:1 D3:2 A2:2 \
E2:2 E2:1 E3:1 E2:2 B2:2  E2:2 E2:1 E3:1 G#2:2 B2:2"
    pad_ "$T/pad.wav" "A3-C4-E4 F3-A3-C4 G3-B3-D4 E3-G#3-B3 A3-C4-E4 D3-F3-A3 E3-G#3-B3 E3-G#3-D4"
    drums "$T/drums.wav" "\
k-hsk-hs k-hsk-hs k-hsk-hs k-hsk-hs k-hsk-hs k-hsk-hs k-hsk-hs k-hsk-hs"

    pan "$T/lead.wav"  "$T/lead2.wav"  0.50 0.34
    pan "$T/bass.wav"  "$T/bass2.wav"  0.45 0.45
    pan "$T/pad.wav"   "$T/pad2.wav"   0.12 0.15
    pan "$T/drums.wav" "$T/drums2.wav" 0.30 0.36
    S -m "$T/lead2.wav" "$T/bass2.wav" "$T/pad2.wav" "$T/drums2.wav" \
        -b 32 -e floating-point "$T/loop.wav"
    # two turns through the reverb; the second turn already carries the
    # tail of the first one at its start, exactly as when it loops.
    S "$T/loop.wav" "$T/loop.wav" -b 32 -e floating-point "$T/loop2.wav" \
        reverb 30 50 60 100 0 0 highpass 20 \
        trim "$((64 * EIGHTH))s" "$((64 * EIGHTH))s"
    # The level of the mix plan: well under the speech, so the screen
    # reader is heard over the menu. A plain gain keeps the seamless join.
    S "$T/loop2.wav" -b 16 -e signed-integer "$OUT/$1" gain -n -10.8
}

# ---------------------------------------------------------- recordings --

# Quiet bed for the introduction: slow pad chords in A minor, LEN seconds.
bed() {
    local o=$1 len=$2 parts=() i=0 c a b d
    for c in A2-E3-C4 F2-C3-A3 G2-D3-B3 E2-B2-G#3; do
        IFS=- read -r a b d <<<"$c"
        gen "$T/b$i.wav" synth 4 sine "%$(semi "$a")" synth 4 sine mix "%$(semi "$b")" \
            synth 4 sine mix "%$(semi "$d")" lowpass 900 fade q 1 4 1.5
        parts+=("$T/b$i.wav"); i=$((i + 1))
    done
    cat_ "$T/bedturn.wav" "${parts[@]}"
    S "$T/bedturn.wav" "$T/bedturn.wav" "$T/bedturn.wav" "$T/bedturn.wav" \
        -b 32 -e floating-point "$o" reverb 60 trim 0 "$len" fade q 1.5 "$len" 2.5
}

Introduccion() {
    speak "Bienvenido a Gusanicida. \
Un almacén ha sido invadido por gusanos, y tú tienes que acabar con ellos. \
Recorre sus pasillos con las flechas, guiándote por el oído: \
tus pasos suenan del lado de las paredes. \
La barra espaciadora deja una bomba, que estalla a los cuatro segundos; \
la tecla Mayúsculas la hace estallar antes. ¡Cuidado con las llamas! \
Mata a todos los gusanos de cada fase, y luego busca la salida por su sonido. \
Hay veinticinco fases, y tienes cinco vidas. \
Control y una flecha es el radar: cuenta las casillas libres en esa dirección. \
La uve dice tus vidas, y la letra a, los gusanos. \
¡Suerte, y que no te coman!" "$T/intro_v.wav"
    local len
    len=$(S "$T/intro_v.wav" -n stat 2>&1 | awk '/^Length/ { printf "%.3f", $3 + 1.0 }')
    bed "$T/intro_b.wav" "$len"
    fx "$T/intro_v.wav" "$T/intro_vp.wav" pad 0.5
    mix "$T/intro.wav" -v 1.0 "$T/intro_vp.wav" -v 0.05 "$T/intro_b.wav"
    finish_long "$T/intro.wav" "$1" -1.5
}

# Short brass fanfare, TR semitones above C major; LONG=1 adds a flourish.
brass() {   # brass OUT NOTE SECONDS
    local s
    s=$(( $(semi "$2") + TR ))
    gen "$1" synth "$3" sawtooth "%$s" synth "$3" sawtooth mix "%$s.08" \
        lowpass 2200 fade q 0.025 "$3" 0.08
}
fanfare() {
    local o=$1 long=$2 parts=() i=0 tok note len
    local seq="G4:0.14 r:0.02 G4:0.14 r:0.02 G4:0.14 r:0.02 C5:0.45 G4:0.15 C5:0.15 E5:0.5"
    [ "$long" = 1 ] && seq="$seq D5:0.15 E5:0.15 G5:0.5"
    for tok in $seq; do
        note=${tok%%:*}; len=${tok##*:}
        if [ "$note" = r ]; then gen "$T/f$i.wav" trim 0 "$len"
        else brass "$T/f$i.wav" "$note" "$len"; fi
        parts+=("$T/f$i.wav"); i=$((i + 1))
    done
    cat_ "$T/fmel.wav" "${parts[@]}"
    # final chord with a timpani roll under it
    local c=1.1
    brass "$T/fc1.wav" C4 $c; brass "$T/fc2.wav" E4 $c
    brass "$T/fc3.wav" G4 $c; brass "$T/fc4.wav" C5 $c
    gen "$T/timp.wav" synth $c sine "%$(( $(semi C2) + TR ))" tremolo 14 40 fade l 0.01 $c 1.0
    mix "$T/fchord.wav" -v 0.5 "$T/fc1.wav" -v 0.5 "$T/fc2.wav" -v 0.5 "$T/fc3.wav" \
        -v 0.6 "$T/fc4.wav" -v 1.2 "$T/timp.wav"
    fx "$T/fchord.wav" "$T/fchord2.wav" fade q 0.01 $c 0.8
    cat_ "$T/fan.wav" "$T/fmel.wav" "$T/fchord2.wav"
    # room for the reverb's tail, which then fades out to silence
    fx "$T/fan.wav" "$T/fanr.wav" pad 0 0.5 reverb 40
    fx "$T/fanr.wav" "$o" fade q 0 -0 0.45 gain -n -1.5
}

# closing NAME TRANSPOSE LONG TEXT : the fanfare, a pause, the voice and a
# moment of silence, so the voice begins clear of the fanfare and ends
# inside the file.
closing() {
    local name=$1 long=$3 text=$4
    TR=$2
    fanfare "$T/fanf.wav" "$long"
    speak "$text" "$T/cl_v.wav"
    gen "$T/cl_pause.wav" trim 0 0.25
    gen "$T/cl_end.wav" trim 0 0.25
    cat_ "$T/closing.wav" -v 0.45 "$T/fanf.wav" "$T/cl_pause.wav" "$T/cl_v.wav" "$T/cl_end.wav"
    finish_long "$T/closing.wav" "$name" -2.2
}
FinalFacil() {
    closing "$1" 0 0 "¡Enhorabuena! Has terminado Gusanicida en dificultad fácil. \
¿Te atreves con la normal?"
}
FinalNormal() {
    closing "$1" 2 0 "¡Enhorabuena! Has terminado Gusanicida en dificultad normal. \
El almacén está limpio."
}
FinalDificil() {
    closing "$1" 4 1 "¡Enhorabuena! Has terminado Gusanicida en dificultad difícil. \
¡Eres un maestro gusanicida!"
}

# ------------------------------------------------------------------ main --

# Each recipe is named by the sound's key in the catalogue and writes the file it is given.
while IFS=$'\t' read -r file key _; do
    case $file in '' | '#'*) continue ;; esac
    declare -F "$key" >/dev/null || { echo "no recipe for $key ($file)" >&2; exit 1; }
    echo "making $file"
    "$key" "$file"
done <"$CATALOGUE"
if [ "$OUT" = "$DATA" ]; then
    "$HERE/manifest.sh" "$OUT" >"$HERE/manifest.tsv"
    echo "recorded: $HERE/manifest.tsv"
fi
echo "done: $OUT"
