#!/usr/bin/env bash
# Start-up time of the window: from the command's start until the window has
# been painted (bench/startup_probe.cpp), against an empty Qt window of the
# same size, in one run.
# Prints the medians and their ratio, and fails when the ratio exceeds 1.3.
#
#   bench/startup.sh [RUNS]      RUNS of each, alternating (default 21)
#
# Without a display it runs itself under Xvfb with a window manager, on a
# screen of SCREEN pixels (default 1280x800; try 1920x1080 too).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-release}  # a release build, as ./dev bench makes
limit=1.3

if [ "${1:-}" = --xvfb ]; then
  shift
  if command -v openbox >/dev/null; then  # so that maximizing works
    openbox &
    trap 'kill $! 2>/dev/null || true' EXIT
    sleep 1
  fi
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
  cmake --build "$build" --target quorvel_startup_probe >/dev/null
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 ${SCREEN:-1280x800}x24" "$0" --xvfb "$@"
  fi
fi
runs=${1:-21}
probe=$build/bench/quorvel_startup_probe

# Microseconds from the command's start until its window has been painted.
shown_after() { "$probe" "$@" "$(date +%s%N)"; }
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

shown_after empty >/dev/null 2>&1 && shown_after >/dev/null 2>&1  # fill the file and font caches
empty=() window=()
for _ in $(seq "$runs"); do
  empty+=("$(shown_after empty 2>/dev/null)")
  window+=("$(shown_after 2>/dev/null)")
done
e=$(median "${empty[@]}") w=$(median "${window[@]}")
awk -v e="$e" -v w="$w" -v n="$runs" -v limit="$limit" 'BEGIN {
  printf "empty Qt window shown after   %7.1f ms (median of %d)\n", e / 1000, n
  printf "Quorvel window shown after    %7.1f ms (median of %d)\n", w / 1000, n
  printf "start-up ratio: %.2f (at most %.1f)\n", w / e, limit
  exit (w / e > limit)
}'
