#!/usr/bin/env bash
# normalize.exe's loudness form against its peak form on the same 10-minute
# WAV: "-l -16" (measure, then one gain) and "-m 90" (sox's "gain -n"). Each
# runs REPEATS times, alternating; the medians, their ratio (loudness / peak)
# and the loudness ffmpeg's meter finds in each result are printed. A second
# loudness target, where the true peak ceiling holds the gain, shows the cost
# of the closer look at the peak.
#   bench/bridge/bench_loudness.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/timing.sh" 5 "$@"
normalize="$build/bin/normalize.exe"
need "$normalize" marulo_bridge_copies

sox -n -r 44100 -b 16 -c 2 "$work/in.wav" synth 600 pinknoise sine 440 gain -9

timed() { took 3 "$normalize" "$@"; }
meter() {
  ffmpeg -nostats -hide_banner -i "$1" -af ebur128=peak=true -f null - 2>&1 |
    awk '/Summary:/ { s = 1 } s && / I:/ { i = $2 } s && /Peak:/ { p = $2 } END { printf "%s LUFS, true peak %s dBTP", i, p }'
}

alternate peak 'timed -m 90 -o "$work/peak.wav" "$work/in.wav"' \
  loudness 'timed -l -16 -o "$work/loud.wav" "$work/in.wav"' \
  "loudness held by the ceiling" 'timed -l -8 -o "$work/held.wav" "$work/in.wav"'
peak=$median_1
loud=$median_2
held=$median_3
echo "median: -m 90 $peak s, -l -16 $loud s, -l -8 $held s"
awk -v a="$loud" -v b="$peak" 'BEGIN { printf "ratio loudness/peak: %.2f\n", a / b }'
awk -v a="$held" -v b="$peak" 'BEGIN { printf "ratio loudness held by the ceiling/peak: %.2f\n", a / b }'
echo "input: $(meter "$work/in.wav")"
echo "-l -16: $(meter "$work/loud.wav") (target -16)"
echo "-l -8:  $(meter "$work/held.wav") (target -8, ceiling -1)"
"$normalize" -l -8 -o "$work/held.wav" "$work/in.wav" 2>&1 | grep -v '%$'
