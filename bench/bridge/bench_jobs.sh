#!/usr/bin/env bash
# Converts 20 WAV files of 30 s each to MP3 with "ALL Encode" through the
# converter bridge and the real lame (normalising off), one file at a time
# and two at once, alternating, REPEATS times each; prints the medians, their
# ratio (two at once / one at a time) and whether the 20 MP3 files of the two
# are the same byte for byte.
#   bench/bridge/bench_jobs.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/inputs.sh" "$@"
mkdir "$work/one" "$work/two"

# Runs one press with the given jobs and keeps its results in the folder named.
press() {
  local jobs=$1 keep=$2 seconds
  rm -rf "$work/in/Zorvik"
  seconds=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" "$program" "$work/in" 0 "jobs=$jobs" 2>/dev/null)
  [ "$(ls "$work/in/Zorvik"/*.mp3 | wc -l)" -eq 20 ] || { echo "ALL Encode did not write 20 files" >&2; exit 1; }
  rm -f "$keep"/*.mp3
  mv "$work/in/Zorvik"/*.mp3 "$keep/"
  echo "$seconds"
}

alternate jobs=1 'press 1 "$work/one"' jobs=2 'press 2 "$work/two"'
one=$median_1
two=$median_2
echo "median: jobs=1 $one s, jobs=2 $two s"
awk -v a="$two" -v b="$one" 'BEGIN { printf "ratio jobs=2/jobs=1: %.3f (target <= 0.55)\n", a / b }'
same_files "$work/one" "$work/two" "jobs=1 and jobs=2"
