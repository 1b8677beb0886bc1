#!/usr/bin/env bash
# Draws the window icon (a folded map with a cache marker): 16 and 32 pixels in 16 colours for
# the window, and the larger sizes that desktops show in menus and launchers.
set -euo pipefail
cd "$(dirname "$0")"

draw() {  # size in pixels, output file; drawn on a 32-pixel grid scaled to the size
  local size=$1 out=$2 scale
  scale=$(( (size + 31) / 32 ))
  convert -size $((32 * scale))x$((32 * scale)) xc:none -affine "$scale,0,0,$scale,0,0" \
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

for size in 16 32 48 64 128 256; do
  draw "$size" "corvane-$size.png"
done

# The Windows program's icon resource: the 32 and 16 pixel images in one .ico file.
convert corvane-32.png corvane-16.png -colors 16 corvane.ico
