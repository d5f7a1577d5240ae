# Sourced by the "ALL Encode" benchmarks with their arguments [BUILD_DIR]
# [REPEATS]: what timing.sh gives (3 repeats unless told), program
# (bench_allencode, which must be built), and 20 WAV files of 30 s each in
# "$work/in".
source "$(dirname "${BASH_SOURCE[0]}")/timing.sh" 3 "$@"
program="$build/bin/bench_allencode"
need "$program" bench_allencode

mkdir "$work/in"
for i in $(seq -w 1 20); do
  sox -n -r 44100 -b 16 -c 2 "$work/in/track$i.wav" synth 30 pinknoise sine $((200 + 10 * 10#$i)) gain -9
done
