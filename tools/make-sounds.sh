#!/bin/sh
# Generates the sound cues in modules/media/ with sox (Debian packages sox and
# libsox-fmt-mp3): 00.mp3 a calm background loop, 01.wav start-up, 02.wav panel,
# 03.wav link, 04.wav click. Repeatable (-R): the same files on every run.
set -eu
export SOX_OPTS="-V1 -R"
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/modules/media"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rate="-r 44100"

# Background: four slow pad chords (Am, F, C, G), 9 s each, overlapping by 1 s;
# the last fades into silence as the first fades in, so the loop restarts softly.
chord() { # file start-seconds notes...
    f=$1; start=$2; shift 2
    tones=""
    for n in "$@"; do tones="$tones sine $n"; done
    sox -n $rate -c $# "$work/raw-$f.wav" synth 10 $tones
    sox "$work/raw-$f.wav" -c 1 "$work/$f.wav" remix - gain -n -14 \
        tremolo 0.2 25 fade q 2.5 10 2.5 pad "$start" 0
}
chord a 0 A2 E3 A3 C4 E4
chord b 9 F2 C3 F3 A3 C4
chord c 18 C3 G3 C4 E4 G4
chord d 27 G2 D3 G3 B3 D4
sox -m "$work/a.wav" "$work/b.wav" "$work/c.wav" "$work/d.wav" "$work/pad.wav" \
    reverb 70 50 100 lowpass 3000 gain -n -6 trim 0 37 fade q 0 37 2
sox "$work/pad.wav" -C 64 -c 1 "$out/00.mp3" rate 44100

# Start-up: a rising arpeggio with a soft tail.
for n in C5:0 E5:0.09 G5:0.18 C6:0.27; do
    note=${n%%:*}; at=${n##*:}
    sox -n $rate -c 1 "$work/up-$note.wav" synth 0.9 sine "$note" \
        fade p 0.005 0.9 0.8 gain -10 pad "$at" 0
done
sox -m "$work"/up-*.wav "$work/up.wav" reverb 40 gain -n -3
sox "$work/up.wav" -b 16 "$out/01.wav" trim 0 1.4 fade q 0 1.4 0.3

# Panel: a short airy sweep.
sox -n $rate -c 1 "$work/sweep.wav" synth 0.35 sine 300-1400 synth 0.35 sine amod 18 \
    fade q 0.03 0.35 0.22 gain -n -10
sox "$work/sweep.wav" -b 16 "$out/02.wav" reverb 25 gain -n -3 trim 0 0.5

# Link: two bright tones.
sox -n $rate -c 1 "$work/l1.wav" synth 0.09 sine 880 fade q 0.004 0.09 0.04
sox -n $rate -c 1 "$work/l2.wav" synth 0.16 sine 1320 fade q 0.004 0.16 0.1
sox "$work/l1.wav" "$work/l2.wav" -b 16 "$out/03.wav" gain -n -4

# Click: a short, damped tick.
sox -n $rate -c 1 "$work/click.wav" synth 0.045 sine 2200-900 fade p 0.001 0.045 0.04
sox "$work/click.wav" -b 16 "$out/04.wav" lowpass 6000 gain -n -5

for f in "$out"/00.mp3 "$out"/0[1-4].wav; do
    printf '%s %ss\n' "$(basename "$f")" "$(soxi -D "$f")"
done
