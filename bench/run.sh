#!/usr/bin/env bash
# Times corvane-cli end to end against the parser alone on the same made-up pocket query,
# and compares their peak memory with the file size.
#   bash bench/run.sh [MEGABYTES] [RUNS]     (defaults: 100 MB, 5 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-100}
runs=${2:-5}

bash setup.sh build >/dev/null
cmake -S . -B build -DCORVANE_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)" --target corvane-parse-only corvane-make-pocket-query corvane-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gpx=$work/pocket-query.gpx
build/bench/corvane-make-pocket-query "$megabytes" > "$gpx"
size=$(stat -c %s "$gpx")

# Best of several runs: seconds and peak kilobytes of one command.
best() {
  local best_s="" best_kb=""
  for ((i = 0; i < runs; i++)); do
    read -r s kb < <( { /usr/bin/time -f "%e %M" "$@" >/dev/null 2>/dev/null; } 2>&1 )
    if [[ -z $best_s ]] || awk "BEGIN{exit !($s < $best_s)}"; then best_s=$s; fi
    if [[ -z $best_kb ]] || ((kb < best_kb)); then best_kb=$kb; fi
  done
  echo "$best_s $best_kb"
}

# Interleave nothing else: the two measurements run back to back on the same file.
read -r parse_s parse_kb < <(best build/bench/corvane-parse-only "$gpx")
read -r cli_s cli_kb < <(best build/cli/corvane-cli --force --quiet "$gpx" "$work/out.csv")

awk -v size="$size" -v ps="$parse_s" -v pk="$parse_kb" -v cs="$cli_s" -v ck="$cli_kb" 'BEGIN {
  printf "file:          %.1f MB\n", size / 1048576
  printf "parse only:    %.2f s, peak %.0f MB\n", ps, pk / 1024
  printf "corvane-cli:   %.2f s, peak %.0f MB\n", cs, ck / 1024
  printf "time ratio:    %.2f x parse (target 1.3)\n", cs / ps
  printf "memory ratio:  %.2f x file size (target 2.5)\n", ck * 1024 / size
}'
