#!/bin/bash
# Draws the PNG sizes of the program's icon from resources/icone/korvel.svg (they are
# kept beside it, so that a build needs no SVG renderer). Needs librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/../resources/icone"
for lato in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$lato" -h "$lato" korvel.svg -o "korvel-$lato.png"
done
