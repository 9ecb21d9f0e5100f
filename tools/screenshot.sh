#!/usr/bin/env bash
# Saves what the X display shows as a PNG: tools/screenshot.sh OUT.png
# The picture is composed from each visible top-level window, bottom to top: under Xvfb the root
# window's image goes stale where one Wine window overlaps another, while each window's own image
# stays right.
set -euo pipefail
out=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

read -r width height < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
convert -size "${width}x${height}" xc:black "$work/screen.png"

# xwininfo lists the root's children topmost first; paint them in the reverse order.
mapfile -t windows < <(xwininfo -root -children | grep -E '^ +0x' | awk '{print $1}' | tac)
for id in "${windows[@]}"; do
  info=$(xwininfo -id "$id")
  grep -q 'Map State: IsViewable' <<<"$info" || continue
  x=$(awk '/Absolute upper-left X:/{print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y:/{print $4}' <<<"$info")
  w=$(awk '/Width:/{print $2}' <<<"$info")
  h=$(awk '/Height:/{print $2}' <<<"$info")
  ((w > 1 && h > 1)) || continue
  xwd -id "$id" -silent | convert xwd:- "$work/window.png" 2>/dev/null || continue
  convert "$work/screen.png" "$work/window.png" -geometry "+${x}+${y}" -composite "$work/screen.png"
done
cp "$work/screen.png" "$out"
