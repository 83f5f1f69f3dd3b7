#!/usr/bin/env bash
# Renders the icon's PNGs from its SVGs (needs rsvg-convert from librsvg2-bin); run after changing an SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
# 16, 32 and 48 pixels have pictures of their own, drawn on the pixel grid; the larger sizes scale the main SVG.
for size in 16 32 48; do
  rsvg-convert "de.norvik.Quintaro-$size.svg" -o "de.norvik.Quintaro-$size.png"
done
for size in 64 128 256; do
  rsvg-convert -w "$size" -h "$size" de.norvik.Quintaro.svg -o "de.norvik.Quintaro-$size.png"
done
