#!/usr/bin/env bash
# Draws the window icon (a folded map with a cache marker) at 32 and 16 pixels, 16 colours each.
set -euo pipefail
cd "$(dirname "$0")"

draw() {  # size in pixels, output file
  local size=$1 out=$2
  convert -size 32x32 xc:none \
    -fill '#f3e7c4' -stroke '#5a4a2a' -strokewidth 1 \
    -draw "polygon 2,6 11,3 21,6 30,3 30,27 21,30 11,27 2,30" \
    -stroke '#b9a878' -draw "line 11,3 11,27" -draw "line 21,6 21,30" \
    -stroke none -fill '#7fb069' -draw "polygon 12,16 20,12 20,24 12,26" \
    -fill '#4f86c6' -draw "polygon 3,20 10,18 10,27 3,29" \
    -fill '#c0392b' -stroke '#6e1a12' -strokewidth 1 \
    -draw "circle 17,11 17,5" -draw "polygon 12,13 22,13 17,22" \
    -stroke none -fill white -draw "circle 17,11 17,9" \
    -filter Box -resize "${size}x${size}" \
    -colors 16 -strip "PNG8:$out"
}

draw 32 corvane-32.png
draw 16 corvane-16.png

# The Windows program's icon resource: both images in one .ico file.
convert corvane-32.png corvane-16.png -colors 16 corvane.ico
