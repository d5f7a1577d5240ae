# Sourced by the bridge benchmarks with their default number of repeats and
# then their own arguments [BUILD_DIR] [REPEATS]: sets build and repeats,
# makes a temporary folder "$work" (removed on exit) and defines the helpers
# below.
repeats_default=$1
shift
build=$(cd "${1:-build}" && pwd)
repeats=${2:-$repeats_default}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stops the benchmark when the program it runs has not been built.
need() { [ -x "$1" ] || { echo "build the target $2 first ($1)" >&2; exit 1; }; }

# median_of VALUE...: the median of the values given.
median_of() { printf '%s\n' "$@" | median; }

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# took DIGITS COMMAND...: the seconds the command takes, its output dropped.
took() {
  local digits=$1 start end
  shift
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" -v d="$digits" 'BEGIN { printf "%.*f\n", d, b - a }'
}

# alternate LABEL COMMAND [LABEL COMMAND ...]: runs the commands in turn,
# REPEATS rounds, each command printing the seconds it took; prints a line a
# round and sets median_1, median_2, ... to each command's median.
alternate() {
  local -a labels=() commands=() times=()
  local r i t line
  while [ $# -gt 0 ]; do
    labels+=("$1")
    commands+=("$2")
    shift 2
  done
  for r in $(seq 1 "$repeats"); do
    line="run $r:"
    for i in "${!labels[@]}"; do
      t=$(eval "${commands[$i]}")
      times[i]+="$t"$'\n'
      [ "$i" -eq 0 ] || line+=","
      line+=" ${labels[$i]} $t s"
    done
    echo "$line"
  done
  for i in "${!labels[@]}"; do
    printf -v "median_$((i + 1))" '%s' "$(printf '%s' "${times[$i]}" | median)"
  done
}

# same_files DIR1 DIR2 WHAT: the benchmark fails unless both runs made the
# same files byte for byte (WHAT names the two runs in the message).
same_files() {
  if diff -r "$1" "$2" >/dev/null; then
    echo "the 20 MP3 files are the same byte for byte"
  else
    echo "the MP3 files differ between $3" >&2
    exit 1
  fi
}
