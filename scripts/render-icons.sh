#!/usr/bin/env bash
# Renders the committed PNGs of the icon, data/icons/NxN/ID.png, from
# data/icons/ID.svg (ID: QUORVEL_APP_ID in CMakeLists.txt), for every size
# there is, or for the SIZEs given, which adds them. Run it after changing the
# SVG (needs librsvg2-bin).
#
#   scripts/render-icons.sh [SIZE...]
set -euo pipefail
cd "$(dirname "$0")/.."
id=$(sed -n 's/^set(QUORVEL_APP_ID \([^ )]*\))$/\1/p' CMakeLists.txt)
[ -n "$id" ] || { echo "no QUORVEL_APP_ID in CMakeLists.txt"; exit 1; }
cd data/icons
sizes=("$@")
if [ ${#sizes[@]} -eq 0 ]; then
  for png in */"$id.png"; do sizes+=("${png%%x*}"); done
fi
for size in "${sizes[@]}"; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" "$id.svg" --output "${size}x${size}/$id.png"
done
echo "rendered data/icons/*/$id.png"
