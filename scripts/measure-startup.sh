#!/usr/bin/env bash
# Measures how long the program takes from its start to the first picture of the demo scene
# (two figures, shaded, zoomed to fit). Prints each run and the median in milliseconds.
set -euo pipefail
build=${1:-build}
runs=${2:-5}
export TAVRONA_DATA="$(cd "$(dirname "$0")/.." && pwd)/data"
measure() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$build/tavrona" --demo --quit-after-first-frame >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  echo "runs (ms): ${times[*]}"
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median (ms): " a[int((NR+1)/2)]}'
}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$build" "$runs"
fi
measure
