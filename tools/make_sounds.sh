#!/usr/bin/env bash
# Synthesises the game's sound effects into resources/sounds/.
#
# Usage: tools/make_sounds.sh [OUTPUT_DIR]
#
# The WAV files are checked in, so this only needs running again after changing a sound here.
# Everything is made from sox's synthesiser and espeak-ng's voice, so the output is ours and
# repeatable (sox -R seeds its dither with a fixed value).
#
# The effects are 8-bit unsigned mono: small, and every audio backend plays that. The chime for
# a correct guess is the one sound players hear over and over, so it gets 16 bits.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../resources/sounds}"

need_packages=()
command -v sox >/dev/null 2>&1 || need_packages+=(sox)
command -v espeak-ng >/dev/null 2>&1 || need_packages+=(espeak-ng)
if ((${#need_packages[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need_packages[@]}"
fi

mkdir -p "$out"
out="$(cd "$out" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# All intermediate audio is 16-bit 22050 Hz mono, so pieces can be mixed and joined freely.
RATE=22050
raw() { sox -R -V1 "$@"; }
# calc EXPRESSION: floating-point arithmetic for note timings.
calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }

# note NAME START LENGTH FREQ [VOLUME]: a struck bell-like note that starts START seconds into
# the sound. A plucked string gives the strike, a quieter pure tone an octave up the shimmer.
note() {
    local name=$1 start=$2 len=$3 freq=$4 vol=${5:-1}
    raw -n -r $RATE -c 1 -b 16 "$work/$name.a.wav" synth "$len" pluck "$freq"
    raw -n -r $RATE -c 1 -b 16 "$work/$name.b.wav" synth "$len" sine "$(calc "$freq * 2")" \
        fade l 0.004 "$len" "$(calc "$len * 0.95")"
    raw -m -v 0.8 "$work/$name.a.wav" -v 0.25 "$work/$name.b.wav" "$work/$name.c.wav" \
        fade q 0.003 "$len" "$(calc "$len * 0.4")" vol "$vol" pad "$start"
    rm -f "$work/$name.a.wav" "$work/$name.b.wav"
    mv "$work/$name.c.wav" "$work/$name.wav"
}

# brass NAME START LENGTH FREQ...: a filtered sawtooth chord with a soft attack, for fanfares.
brass() {
    local name=$1 start=$2 len=$3
    shift 3
    local parts=()
    local i=0
    for freq in "$@"; do
        raw -n -r $RATE -c 1 -b 16 "$work/$name.$i.wav" synth "$len" sawtooth "$freq" \
            tremolo 5.5 15 lowpass 1800
        parts+=("$work/$name.$i.wav")
        i=$((i + 1))
    done
    if ((${#parts[@]} > 1)); then
        raw -m "${parts[@]}" "$work/$name.m.wav"
    else
        cp "${parts[0]}" "$work/$name.m.wav"
    fi
    raw "$work/$name.m.wav" "$work/$name.wav" fade q 0.02 "$len" "$(calc "$len * 0.35")" pad "$start"
    rm -f "${parts[@]}" "$work/$name.m.wav"
}

# mix OUTPUT INPUT...: lays the pieces over each other (each already padded to its start time).
mix() {
    local output=$1
    shift
    if (($# > 1)); then
        raw -m "$@" "$work/$output.wav"
    else
        cp "$1" "$work/$output.wav"
    fi
}

# finish NAME BITS RATE: the shipped file. Silence is trimmed off the tail, the ends are faded so
# the speaker does not click, the level is brought to -3 dB, then it is cut down to its format.
finish() {
    local name=$1 bits=$2 rate=$3
    local encoding=signed-integer
    ((bits == 8)) && encoding=unsigned-integer
    raw "$work/$name.wav" "$work/$name.trim.wav" reverse silence 1 0.005 0.3% reverse
    rm -f "$out/$name.wav"
    raw "$work/$name.trim.wav" --comment "" -r "$rate" -c 1 -b "$bits" -e "$encoding" "$out/$name.wav" \
        highpass 60 norm -3 fade q 0.004 -0 0.03 rate -v "$rate" norm -3
}

# --- correct: a bright rising C major arpeggio that rings out on the top note ---------------
note c1 0.00 0.60 523.25
note c2 0.11 0.60 659.26
note c3 0.22 0.60 783.99
note c4 0.33 1.15 1046.50
note c5 0.45 1.00 1318.51 0.35
mix correct "$work"/c?.wav
finish correct 16 22050

# --- entered: a doorbell, high note then the major third below ---------------------------
note e1 0.00 0.55 659.26
note e2 0.32 0.60 523.25
mix entered "$work"/e?.wav
finish entered 8 22050

# --- turn: three quick notes going up, to catch the drawer's attention -------------------------
note t1 0.00 0.35 783.99
note t2 0.09 0.35 987.77
note t3 0.18 0.55 1174.66
mix turn "$work"/t?.wav
finish turn 8 22050

# --- gameover: ta-ta-ta-taaa on brass, the last a full chord ------------------------------------
brass g1 0.00 0.16 392.00
brass g2 0.17 0.16 392.00
brass g3 0.34 0.16 392.00
brass g4 0.51 1.30 523.25 659.26 783.99
note g5 0.51 1.20 1046.50 0.5
mix gameover "$work"/g?.wav
finish gameover 8 22050

# --- noanswer: the sad trombone, three falling wahs, the last one sagging --------------------
wah() {
    local name=$1 start=$2 len=$3 freq=$4
    raw -n -r $RATE -c 1 -b 16 "$work/$name.x.wav" synth "$len" sawtooth "$freq" \
        tremolo 6 30 lowpass 900 lowpass 1400
    raw "$work/$name.x.wav" "$work/$name.wav" fade h 0.06 "$len" "$(calc "$len * 0.45")" pad "$start"
    rm -f "$work/$name.x.wav"
}
wah n1 0.00 0.34 311.13
wah n2 0.33 0.34 293.66
wah n3 0.66 0.62 277.18-220.00
mix noanswer "$work"/n?.wav
finish noanswer 8 22050

# --- pass: a short whoosh of filtered noise under a falling blip ----------------------------
raw -n -r $RATE -c 1 -b 16 "$work/p1.wav" synth 0.30 pinknoise highpass 500 lowpass 3000 \
    fade h 0.09 0.30 0.18
raw -n -r $RATE -c 1 -b 16 "$work/p2.wav" synth 0.18 sine 1400-500 fade q 0.005 0.18 0.09 vol 0.5
mix pass "$work/p1.wav" "$work/p2.wav"
finish pass 8 22050

# --- cat0..cat6: a two-note chime, then the category's name spoken -------------------------
names=("General" "Actions" "Phrases" "Music" "Movies" "TV Shows" "Food and Drink")
note k1 0.00 0.30 880.00 0.8
note k2 0.10 0.30 1174.66 0.8
mix chime "$work/k1.wav" "$work/k2.wav"
for i in "${!names[@]}"; do
    espeak-ng -v en-us -s 165 -p 55 -a 180 -w "$work/voice$i.raw.wav" "${names[$i]}"
    # Trim espeak's leading and trailing silence so the name follows the chime straight away.
    raw "$work/voice$i.raw.wav" -r $RATE -b 16 "$work/voice$i.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1
    # The voice comes in while the chime still rings, which keeps the file short.
    raw "$work/voice$i.wav" "$work/voice$i.pad.wav" pad 0.24
    raw -m -v 0.45 "$work/chime.wav" -v 1 "$work/voice$i.pad.wav" "$work/cat$i.wav"
    finish "cat$i" 8 11025
done

echo "Wrote to $out:"
for f in "$out"/*.wav; do
    printf '  %-14s %5.2f s  %6d bytes\n' "$(basename "$f")" "$(soxi -D "$f")" "$(stat -c %s "$f")"
done
