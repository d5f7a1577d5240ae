#!/usr/bin/env bash
# Converts 20 WAV files of 30 s each to MP3 twice: through the program's
# "ALL Encode" with the converter bridge, and with lame called directly in a
# shell loop with the same options. Each side runs REPEATS times, alternating;
# the medians and their ratio (bridge / direct) are printed.
#   bench/bridge/bench_bridge.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/inputs.sh" "$@"
mkdir "$work/direct"

now() { date +%s.%N; }

bridge_run() {
  rm -rf "$work/in/Zorvik"
  QT_QPA_PLATFORM=offscreen "$program" "$work/in" 2>/dev/null
  [ "$(ls "$work/in/Zorvik"/*.mp3 | wc -l)" -eq 20 ] || { echo "ALL Encode did not write 20 files" >&2; exit 1; }
}

# The program's default MP3 options with normalising off: "lame.exe  -m j -b 128 -q 2  IN OUT".
direct_run() {
  rm -f "$work/direct"/*.mp3
  local start end f
  start=$(now)
  for f in "$work/in"/*.wav; do
    lame -m j -b 128 -q 2 "$f" "$work/direct/$(basename "$f" .wav).mp3" >/dev/null 2>&1
  done
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

bridge_times=()
direct_times=()
for r in $(seq 1 "$repeats"); do
  bridge_times+=("$(bridge_run)")
  direct_times+=("$(direct_run)")
  echo "run $r: ALL Encode ${bridge_times[-1]} s, direct lame ${direct_times[-1]} s"
done

bridge=$(printf '%s\n' "${bridge_times[@]}" | median)
direct=$(printf '%s\n' "${direct_times[@]}" | median)
echo "median: ALL Encode with the bridge $bridge s, lame directly $direct s"
awk -v a="$bridge" -v b="$direct" 'BEGIN { printf "ratio bridge/direct: %.3f (target <= 1.03)\n", a / b }'
