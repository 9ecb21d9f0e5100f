#!/usr/bin/env bash
# Draws the plug-in's icons with ImageMagick into src/res/icons/*.ico. Each image is drawn at 64 pixels
# and scaled down, so the 16-pixel button images stay smooth. Run again after changing a drawing.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/src/res/icons"
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

draw() {  # name, ImageMagick drawing arguments...
  local name=$1
  shift
  convert -size 64x64 xc:none "$@" "$tmp/$name.png"
}

small_icon() {  # name: a 16-pixel icon
  convert "$tmp/$1.png" -resize 16x16 "$out/$1.ico"
}

# "+": a green cross.
draw add -fill '#2e9a3a' -stroke '#1d6b27' -strokewidth 3 \
  -draw 'roundrectangle 26,6 38,58 4,4' -draw 'roundrectangle 6,26 58,38 4,4' -stroke none -draw 'rectangle 27,27 37,37'
# "-": a red bar.
draw remove -fill '#d23c32' -stroke '#962219' -strokewidth 3 -draw 'roundrectangle 6,24 58,40 5,5'
# "--": two red bars, everything goes.
draw remove-all -fill '#d23c32' -stroke '#962219' -strokewidth 3 \
  -draw 'roundrectangle 6,12 58,28 5,5' -draw 'roundrectangle 6,36 58,52 5,5'
# "^": an open yellow folder.
draw open -fill '#e8b730' -stroke '#9a7412' -strokewidth 3 \
  -draw 'polygon 4,14 24,14 30,20 58,20 58,54 4,54' -fill '#f6d66b' -draw 'polygon 4,54 14,30 62,30 54,54'
# "->": a report page with lines and a corner.
draw report -fill white -stroke '#34495e' -strokewidth 3 -draw 'polygon 12,4 42,4 54,16 54,60 12,60' \
  -fill '#c9d6e3' -draw 'polygon 42,4 42,16 54,16' -stroke '#2c6fb7' -strokewidth 4 \
  -draw 'line 20,28 46,28' -draw 'line 20,38 46,38' -draw 'line 20,48 38,48'
# "U": a blue circular arrow, reload and recalculate.
draw update -fill none -stroke '#2c6fb7' -strokewidth 9 -draw 'arc 10,10 54,54 -60,230' \
  -fill '#2c6fb7' -stroke none -draw 'polygon 40,2 62,14 40,28'
# "i": white i on a blue disc.
draw about -fill '#2c6fb7' -stroke '#1b4f86' -strokewidth 3 -draw 'circle 32,32 32,3' \
  -fill white -stroke none -draw 'circle 32,17 32,11' -draw 'roundrectangle 26,26 38,52 3,3'
# The plug-in: a flask with an oxygen mark "O".
draw app -fill '#dfeefa' -stroke '#34495e' -strokewidth 3 \
  -draw 'polygon 24,4 40,4 40,22 58,56 56,60 8,60 6,56 24,22' \
  -fill '#4aa3df' -stroke none -draw 'polygon 17,38 47,38 56,56 54,58 10,58 8,56' \
  -fill none -stroke '#c0392b' -strokewidth 5 -draw 'circle 32,46 32,37'

for name in add remove remove-all open report update about; do small_icon "$name"; done
for size in 16 32 48 80; do convert "$tmp/app.png" -resize ${size}x${size} "$tmp/app-$size.png"; done
convert "$tmp/app-16.png" "$tmp/app-32.png" "$tmp/app-48.png" "$tmp/app-80.png" "$out/app.ico"
