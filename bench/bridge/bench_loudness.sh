#!/usr/bin/env bash
# normalize.exe's loudness form against its peak form on the same 10-minute
# WAV: "-l -16" (measure, then one gain) and "-m 90" (sox's "gain -n"). Each
# runs REPEATS times, alternating; the medians, their ratio (loudness / peak)
# and the loudness ffmpeg's meter finds in each result are printed. A second
# loudness target, where the true peak ceiling holds the gain, shows the cost
# of the closer look at the peak.
#   bench/bridge/bench_loudness.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
repeats=${2:-5}
normalize="$build/bin/normalize.exe"
[ -x "$normalize" ] || { echo "build the target marulo_bridge_copies first ($normalize)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -n -r 44100 -b 16 -c 2 "$work/in.wav" synth 600 pinknoise sine 440 gain -9

now() { date +%s.%N; }
timed() {
  local start end
  start=$(now)
  "$normalize" "$@" 2>/dev/null
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
meter() {
  ffmpeg -nostats -hide_banner -i "$1" -af ebur128=peak=true -f null - 2>&1 |
    awk '/Summary:/ { s = 1 } s && / I:/ { i = $2 } s && /Peak:/ { p = $2 } END { printf "%s LUFS, true peak %s dBTP", i, p }'
}

peak_times=()
loud_times=()
held_times=()
for r in $(seq 1 "$repeats"); do
  peak_times+=("$(timed -m 90 -o "$work/peak.wav" "$work/in.wav")")
  loud_times+=("$(timed -l -16 -o "$work/loud.wav" "$work/in.wav")")
  held_times+=("$(timed -l -8 -o "$work/held.wav" "$work/in.wav")")
  echo "run $r: peak ${peak_times[-1]} s, loudness ${loud_times[-1]} s, loudness held by the ceiling ${held_times[-1]} s"
done

peak=$(printf '%s\n' "${peak_times[@]}" | median)
loud=$(printf '%s\n' "${loud_times[@]}" | median)
held=$(printf '%s\n' "${held_times[@]}" | median)
echo "median: -m 90 $peak s, -l -16 $loud s, -l -8 $held s"
awk -v a="$loud" -v b="$peak" 'BEGIN { printf "ratio loudness/peak: %.2f\n", a / b }'
awk -v a="$held" -v b="$peak" 'BEGIN { printf "ratio loudness held by the ceiling/peak: %.2f\n", a / b }'
echo "input: $(meter "$work/in.wav")"
echo "-l -16: $(meter "$work/loud.wav") (target -16)"
echo "-l -8:  $(meter "$work/held.wav") (target -8, ceiling -1)"
"$normalize" -l -8 -o "$work/held.wav" "$work/in.wav" 2>&1 | grep -v '%$'
