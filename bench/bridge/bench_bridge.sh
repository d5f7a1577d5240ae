#!/usr/bin/env bash
# Converts 20 WAV files of 30 s each to MP3 twice: through the program's
# "ALL Encode" with the converter bridge, and with lame called directly in a
# shell loop with the same options. Each side runs REPEATS times, alternating;
# the medians and their ratio (bridge / direct) are printed.
#   bench/bridge/bench_bridge.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/inputs.sh" "$@"
mkdir "$work/direct"

bridge_run() {
  rm -rf "$work/in/Zorvik"
  QT_QPA_PLATFORM=offscreen "$program" "$work/in" 2>/dev/null
  [ "$(ls "$work/in/Zorvik"/*.mp3 | wc -l)" -eq 20 ] || { echo "ALL Encode did not write 20 files" >&2; exit 1; }
}

# The program's default MP3 options with normalising off: "lame.exe  -m j -b 128 -q 2  IN OUT".
direct_lame() {
  local f
  for f in "$work/in"/*.wav; do
    lame -m j -b 128 -q 2 "$f" "$work/direct/$(basename "$f" .wav).mp3"
  done
}

direct_run() {
  rm -f "$work/direct"/*.mp3
  took 3 direct_lame
}

alternate "ALL Encode" bridge_run "direct lame" direct_run
bridge=$median_1
direct=$median_2
echo "median: ALL Encode with the bridge $bridge s, lame directly $direct s"
awk -v a="$bridge" -v b="$direct" 'BEGIN { printf "ratio bridge/direct: %.3f (target <= 1.03)\n", a / b }'
