#!/usr/bin/env bash
# marulo --batch against GNU parallel over the same bridge commands written by
# hand: 20 WAV files of 30 s each to MP3 (normalising off), two at once,
# alternating, REPEATS times each; prints the medians and their ratio (batch /
# parallel), and checks that both wrote the same 20 files byte for byte. Then
# the start of "marulo --batch" with nothing to do against /bin/true, in ms
# (median of 21).
#   bench/bridge/bench_batch.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
repeats=${2:-3}
marulo="$build/bin/marulo"
lame="$build/bin/lame.exe"
[ -x "$marulo" ] && [ -x "$lame" ] || { echo "build the targets marulo and marulo_bridge_copies first" >&2; exit 1; }
command -v parallel >/dev/null || { echo "GNU parallel is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in" "$work/empty" "$work/by-batch" "$work/by-parallel"
for i in $(seq -w 1 20); do
  sox -n -r 44100 -b 16 -c 2 "$work/in/track$i.wav" synth 30 pinknoise sine $((200 + 10 * 10#$i)) gain -9
done

now_ms() { date +%s%3N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Moves the 20 results into the folder named, after checking they are there.
keep() {
  [ "$(ls "$work/in/Zorvik"/*.mp3 | wc -l)" -eq 20 ] || { echo "$1 did not write 20 files" >&2; exit 1; }
  rm -f "$2"/*.mp3
  mv "$work/in/Zorvik"/*.mp3 "$2/"
  rm -rf "$work/in/Zorvik"
}

by_batch() {
  local start
  start=$(now_ms)
  "$marulo" --batch --no-settings --no-normalize --jobs 2 --quiet "$work/in"
  echo $(($(now_ms) - start))
  keep "marulo --batch" "$work/by-batch" >&2
}

# The lines the batch runs, by hand: the one encoder step of each file.
by_parallel() {
  local start
  mkdir -p "$work/in/Zorvik"
  start=$(now_ms)
  for f in "$work/in"/*.wav; do
    name=$(basename "$f" .wav)
    printf '%q -m j -b 128 -q 2 %q %q\n' "$lame" "$f" "$work/in/Zorvik/$name.mp3"
  done | parallel -j2 >/dev/null 2>&1
  echo $(($(now_ms) - start))
  keep "parallel" "$work/by-parallel" >&2
}

batch_times=()
parallel_times=()
for r in $(seq 1 "$repeats"); do
  batch_times+=("$(by_batch)")
  parallel_times+=("$(by_parallel)")
  echo "run $r: marulo --batch ${batch_times[-1]} ms, parallel ${parallel_times[-1]} ms"
done
batch=$(median_of "${batch_times[@]}")
par=$(median_of "${parallel_times[@]}")
echo "median: marulo --batch --jobs 2 $batch ms, parallel -j2 $par ms"
awk -v a="$batch" -v b="$par" 'BEGIN { printf "ratio batch/parallel: %.3f (target <= 1.05)\n", a / b }'
same_files "$work/by-batch" "$work/by-parallel" "the batch and parallel"

# Start-up: a folder with nothing to convert, against /bin/true.
start_times=()
true_times=()
for r in $(seq 1 21); do
  t0=$(date +%s%N)
  "$marulo" --batch --no-settings --quiet "$work/empty"
  t1=$(date +%s%N)
  /bin/true
  t2=$(date +%s%N)
  start_times+=($(((t1 - t0) / 1000)))
  true_times+=($(((t2 - t1) / 1000)))
done
s=$(median_of "${start_times[@]}")
t=$(median_of "${true_times[@]}")
awk -v s="$s" -v t="$t" 'BEGIN { printf "start with nothing to do: marulo --batch %.1f ms, /bin/true %.1f ms\n", s / 1000, t / 1000 }'
