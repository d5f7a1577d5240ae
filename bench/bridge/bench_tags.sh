#!/usr/bin/env bash
# The time that carrying tags adds to one conversion: a 3-minute WAV to MP3
# through the bridge's lame.exe with the program's default options, once from
# an untagged copy and once from a copy with INFO, an ID3 chunk and a cover,
# alternating, REPEATS times each (20 unless told). The tagged copy is made the
# way a user gets one: a tagged MP3 decoded by the bridge; the untagged copy
# holds the same samples with the tags stripped. Prints both medians and their
# difference, then the tags step alone (bench_tagstep) timed the same way.
#   cmake --build build --target marulo_bridge_copies bench_tagstep
#   bench/bridge/bench_tags.sh [BUILD_DIR] [REPEATS]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/timing.sh" 20 "$@"
bridge="$build/bin/lame.exe"
step="$build/bin/bench_tagstep"
need "$bridge" marulo_bridge_copies
need "$step" bench_tagstep

sox -n -r 44100 -b 16 -c 2 "$work/source.wav" synth 180 pinknoise sine 330 gain -9
ffmpeg -v error -f lavfi -i mandelbrot=s=600x600 -frames:v 1 "$work/cover.jpg"
lame --quiet --tt "Title" --ta "Artist" --tl "Album" --tn 3/12 --ty 2024 --tg Jazz --tc "Comment" \
  --ti "$work/cover.jpg" "$work/source.wav" "$work/tagged.mp3"
"$bridge" --decode "$work/tagged.mp3" "$work/tagged.wav" 2>/dev/null
ffmpeg -v error -i "$work/tagged.wav" -map_metadata -1 -c copy -fflags +bitexact "$work/plain.wav"
echo "cover $(stat -c %s "$work/cover.jpg") bytes; WAV $(stat -c %s "$work/plain.wav") bytes untagged, $(stat -c %s "$work/tagged.wav") tagged"

encode() { took 4 "$bridge" -m j -b 128 -q 2 "$work/$1.wav" "$work/$1.mp3"; }

alternate untagged "encode plain" tagged "encode tagged"
[ "$(ffprobe -v error -show_entries format_tags=title -of default=nw=1:nk=1 "$work/tagged.mp3")" = Title ] ||
  { echo "the tagged MP3 lost its title" >&2; exit 1; }

plain=$median_1
tagged=$median_2
echo "median: untagged $plain s, tagged $tagged s"
awk -v a="$tagged" -v b="$plain" 'BEGIN { printf "tagging adds %.1f ms per file (%.2f %%)\n", (a - b) * 1000, (a - b) / b * 100 }'
# The difference above is within the noise of a busy machine; the step itself:
"$step" "$work/tagged.wav" "$work/plain.mp3" "$repeats"
