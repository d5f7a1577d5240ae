#!/usr/bin/env bash
# "ALL Encode" of 20 WAV files of 30 s to MP3 with normalising by loudness
# (-16 LUFS, ceiling -1 dBTP): per file, and per album, where one measuring
# step over all 20 files comes first. Prints the medians of REPEATS runs, the
# measuring step's time against the whole album run, and the loudness ffmpeg's
# meter finds in the results: each file after the per-file run, the album as a
# whole after the album run.
#   bench/bridge/bench_album.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/inputs.sh" "$@"

meter() {
  local inputs=() n=0 f
  for f in "$@"; do inputs+=(-i "$f"); n=$((n + 1)); done
  ffmpeg -nostats -hide_banner "${inputs[@]}" -filter_complex "concat=n=$n:v=0:a=1,ebur128=peak=true" -f null - 2>&1 |
    awk '/Summary:/ { s = 1 } s && / I:/ { i = $2 } s && /Peak:/ { p = $2 } END { printf "%s LUFS, true peak %s dBTP", i, p }'
}

run() {
  rm -rf "$work/in/Zorvik"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/no-settings" "$program" "$work/in" 0 normalize "$@" 2>/dev/null
  [ "$(ls "$work/in/Zorvik"/*.mp3 | wc -l)" -eq 20 ] || { echo "ALL Encode did not write 20 files" >&2; exit 1; }
}

track_times=()
album_times=()
measure_times=()
for r in $(seq 1 "$repeats"); do
  track_times+=("$(run loudness)")
  mapfile -t album < <(run album)
  album_times+=("${album[0]}")
  measure_times+=("${album[1]}")
  echo "run $r: per file ${track_times[-1]} s, album ${album_times[-1]} s (measuring ${measure_times[-1]} s)"
done

track=$(median_of "${track_times[@]}")
album=$(median_of "${album_times[@]}")
measure=$(median_of "${measure_times[@]}")
echo "median: per file $track s, album $album s, of which measuring $measure s"
awk -v m="$measure" -v a="$album" 'BEGIN { printf "measuring step / whole album run: %.1f %%\n", 100 * m / a }'

echo "album run (target -16): the album $(meter "$work/in/Zorvik"/*.mp3)"
run loudness >/dev/null
echo "per-file run (target -16):"
for f in "$work/in/Zorvik"/*.mp3; do
  echo "  $(basename "$f"): $(meter "$f")"
done
