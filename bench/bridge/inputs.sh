# Sourced by the bridge benchmarks with their arguments [BUILD_DIR] [REPEATS]:
# sets build, repeats and program (bench_allencode, which must be built), makes
# a temporary folder with 20 WAV files of 30 s each in "$work/in" (removed on
# exit), and defines median() over lines of numbers.
build=$(cd "${1:-build}" && pwd)
repeats=${2:-3}
program="$build/bin/bench_allencode"
[ -x "$program" ] || { echo "build the target bench_allencode first ($program)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
for i in $(seq -w 1 20); do
  sox -n -r 44100 -b 16 -c 2 "$work/in/track$i.wav" synth 30 pinknoise sine $((200 + 10 * 10#$i)) gain -9
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
