#!/usr/bin/env bash
# Renders the committed PNG icons from the hand-drawn SVG; run after changing the SVG.
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/zarvik3.svg" -o "$icons/zarvik3-$size.png"
done
