#!/usr/bin/env bash
# Regenerates every icon file from the two SVG sources in resources/icon:
#   resources/icon/hicolor/<N>x<N>/apps/belvik.png   N = 16 32 48 64 128 256
#   resources/icon/hicolor/scalable/apps/belvik.svg  copy of belvik.svg
#   resources/belvik.ico                             16/32 px at 4 and 8 bpp, 48 px at 8 bpp
# The 16 px images come from belvik-16.svg, drawn on the 16 px grid; the rest from belvik.svg.
# Same sources, same bytes: rsvg-convert writes no timestamps and png-to-ico.py is
# deterministic, so a rerun without SVG changes leaves `git status` clean.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
belvik_install_missing librsvg2-bin python3

export LC_ALL=C
src=resources/icon
theme=$src/hicolor

for size in 16 32 48 64 128 256; do
  svg=$src/belvik.svg
  [ "$size" -eq 16 ] && svg=$src/belvik-16.svg
  mkdir -p "$theme/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" \
    --output "$theme/${size}x${size}/apps/belvik.png" "$svg"
done

mkdir -p "$theme/scalable/apps"
cp "$src/belvik.svg" "$theme/scalable/apps/belvik.svg"

# The 16-colour image at 32 px is packed from an unsmoothed rendering: a smoothed edge between
# the brown outline and the gold is a third colour that the fixed palette can only match with
# olive, and the coins would merge into one olive blob. (belvik-16.svg is unsmoothed already.)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed 's|<svg |<svg shape-rendering="crispEdges" |' "$src/belvik.svg" > "$work/unsmoothed.svg"
rsvg-convert --width 32 --height 32 --output "$work/unsmoothed-32.png" "$work/unsmoothed.svg"

# -I: no user site-packages or PYTHON* variables; the packer needs the standard library only.
python3 -I scripts/png-to-ico.py resources/belvik.ico \
  "$theme/16x16/apps/belvik.png:4" \
  "$theme/16x16/apps/belvik.png:8" \
  "$work/unsmoothed-32.png:4" \
  "$theme/32x32/apps/belvik.png:8" \
  "$theme/48x48/apps/belvik.png:8"

echo "Icons written under $theme and resources/belvik.ico"
