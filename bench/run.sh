#!/usr/bin/env bash
# Times corvane-cli end to end against the parser alone on the same made-up pocket query,
# and compares their peak memory with the file size.
#   bash bench/run.sh [MEGABYTES] [RUNS]     (defaults: 100 MB, best of 10 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-100}
runs=${2:-10}

bash setup.sh build >/dev/null
cmake -S . -B build -DCORVANE_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)" --target corvane-parse-only corvane-make-pocket-query corvane-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gpx=$work/pocket-query.gpx
build/bench/corvane-make-pocket-query "$megabytes" > "$gpx"
size=$(stat -c %s "$gpx")

# One run of a command: "seconds peak-kilobytes".
measure() {
  /usr/bin/time -o "$work/time" -f "%e %M" "$@" >/dev/null
  cat "$work/time"
}

# The two commands take turns on the same file, so that both meet the same machine; the
# best time and the lowest peak of each count.
parse_s="" parse_kb="" cli_s="" cli_kb=""
better() { [[ -z $1 ]] || awk "BEGIN{exit !($2 < $1)}"; }
for ((i = 0; i < runs; i++)); do
  read -r s kb < <(measure build/bench/corvane-parse-only "$gpx")
  better "$parse_s" "$s" && parse_s=$s
  better "$parse_kb" "$kb" && parse_kb=$kb
  read -r s kb < <(measure build/cli/corvane-cli --force --quiet "$gpx" "$work/out.csv")
  better "$cli_s" "$s" && cli_s=$s
  better "$cli_kb" "$kb" && cli_kb=$kb
done

awk -v size="$size" -v ps="$parse_s" -v pk="$parse_kb" -v cs="$cli_s" -v ck="$cli_kb" 'BEGIN {
  printf "file:          %.1f MB\n", size / 1048576
  printf "parse only:    %.2f s, peak %.0f MB\n", ps, pk / 1024
  printf "corvane-cli:   %.2f s, peak %.0f MB\n", cs, ck / 1024
  printf "time ratio:    %.2f x parse (target 1.3)\n", cs / ps
  printf "memory ratio:  %.2f x file size (target 2.5)\n", ck * 1024 / size
}'
