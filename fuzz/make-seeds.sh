#!/usr/bin/env bash
# Rewrites fuzz/seeds/ from samples/caches.gpx: the whole file, and the file's header with one
# waypoint each, every one behind a different choice of options (see FuzzConversion.cpp), and
# two of those in a zip file.
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
# Two waypoints in a zip file, as pocket queries arrive.
{ printf '\x20\n\n'; python3 -c 'import io, sys, zipfile
data = io.BytesIO()
with zipfile.ZipFile(data, "w", zipfile.ZIP_DEFLATED) as z:
    for name in sys.argv[1:]: z.writestr(name[6:], open(name, "rb").read().split(b"\n", 2)[2])
sys.stdout.buffer.write(data.getvalue())' seeds/wpt-01.gpx seeds/wpt-02.gpx; } >seeds/zip.gpx
