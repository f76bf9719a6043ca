#!/usr/bin/env bash
# Runs every test of a build folder. GUI tests need a display: without one, a virtual X
# server (Xvfb) is started for the run.
set -euo pipefail
build=${1:-build}
root="$(cd "$(dirname "$0")/.." && pwd)"
export TAVRONA_DATA="$root/data"
# Sanitizer builds: leaks of system libraries are not ours to fix.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}"
cd "$build"
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure -j "$(nproc)"
fi
exec ctest --output-on-failure -j "$(nproc)"
