#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, into build-fuzz/) and runs
# each for a bounded time on a copy of its seed corpus (fuzz/corpus/TARGET, left
# as it is). Prints the executions of each target; fails on any finding, whose
# input is kept in build-fuzz/findings/TARGET/.
#
#   fuzz/run.sh [SECONDS]   seconds per target, 60 by default
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(fuzz_fields fuzz_panel fuzz_batch)

packages=(clang-14 libclang-rt-14-dev cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing Debian packages: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
passed=0
for t in "${targets[@]}"; do
  cp -r "fuzz/corpus/$t" "$work/$t"
  findings="build-fuzz/findings/$t"
  mkdir -p "$findings"
  # -timeout: an input that takes seconds is a hang, and a finding.
  if "build-fuzz/fuzz/$t" "$work/$t" -dict=fuzz/quorvel.dict -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$work/$t.log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t.log")
    echo "$t: ${runs:-?} executions, no finding"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "$t: FINDING (input kept in $findings/)"
    grep -v -E '^#[0-9]+ ' "$work/$t.log" | tail -n 40
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
