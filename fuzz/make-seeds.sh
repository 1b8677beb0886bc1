#!/usr/bin/env bash
# Rewrites fuzz/seeds/ from samples/caches.gpx: the whole file, and the file's header with one
# waypoint each, every one behind a different choice of options (see FuzzConversion.cpp).
set -euo pipefail
cd "$(dirname "$0")"
sample=../samples/caches.gpx
rm -rf seeds && mkdir seeds
header=$(awk '/<wpt /{exit} {print}' "$sample")
{ printf '\x00\\MM Icons\\\nCorvid Kate\n'; cat "$sample"; } >seeds/whole.gpx
n=0
awk '/<wpt /,/<\/wpt>/ { print; if (/<\/wpt>/) print "\x01" }' "$sample" |
  while IFS= read -r -d $'\x01' wpt; do
    n=$((n + 1))
    printf -v flags '\\x%02x' $(((n * 5) & 31))
    { printf "$flags"'C:\\Icons\\\nRookby Rangers\n'; printf '%s\n' "$header"; printf '%s' "${wpt#$'\n'}"; printf '</gpx>\n'; } \
      >"seeds/wpt-$(printf '%02d' "$n").gpx"
  done
