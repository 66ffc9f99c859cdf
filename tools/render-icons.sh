#!/usr/bin/env bash
# Renders the committed PNGs of the icon, data/icons/SIZExSIZE/ID.png, from
# data/icons/ID.svg. Run it after changing the SVG (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
id=org.quorvel.quorvel
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" "$id.svg" --output "${size}x${size}/$id.png"
done
echo "rendered data/icons/*/$id.png"
