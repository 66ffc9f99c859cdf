#!/usr/bin/env bash
# Remakes docs/screenshot.png: the real program under Xvfb with a window
# manager, its window maximized on an 800x600 screen, after a click on each of
# the three Compute buttons with the default inputs.
#
#   scripts/screenshot.sh        (needs xvfb, openbox, xdotool, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-release}  # a release build, as ./dev bench makes

if [ "${1:-}" != --inside ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
  cmake --build "$build" --target quorvel >/dev/null
  exec xvfb-run -a -s '-screen 0 800x600x24' "$0" --inside
fi

openbox &
wm=$!
sleep 1
"$build"/app/quorvel &
app=$!
trap 'kill "$app" "$wm" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n 1)
for _ in $(seq 50); do  # until the window manager has maximized it
  width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
  [ "$width" -ge 800 ] && break
  sleep 0.1
done
# Centres of 计算, 计算1 and 计算2 in the window, in pixels.
for at in "87 445" "351 463" "615 529"; do
  xdotool mousemove --window "$window" $at click 1
  sleep 0.2
done
xdotool mousemove 799 599
sleep 0.5
import -window root docs/screenshot.png
echo "wrote docs/screenshot.png"
