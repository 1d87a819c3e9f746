#!/usr/bin/env bash
# Makes the reminder chime install/wav/upozorni.wav: three soft rising sine tones (C5, E5, G5),
# each fading in quickly and dying away, overlapped into a 1.4 s arpeggio. Without dither the
# same file comes out every time.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/install/wav/upozorni.wav"
mkdir -p "$(dirname "$out")"

tone() { # frequency, start delay in seconds
    echo "|sox -n -r 44100 -c 1 -p synth 0.9 sine $1 fade q 0.02 0.9 0.85 pad $2"
}

sox -D -m "$(tone 523.25 0)" "$(tone 659.25 0.25)" "$(tone 783.99 0.5)" \
    -r 44100 -b 16 -c 1 "$out" gain -n -4
