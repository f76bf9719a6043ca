#!/usr/bin/env bash
# Starts the desktop program from a build folder, on the repo's data. Without a display a
# virtual X server is used, so the program can at least be started on a bare machine.
set -euo pipefail
build=${1:-build}
export TAVRONA_DATA="$(cd "$(dirname "$0")/.." && pwd)/data"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Tavrona under Xvfb." >&2
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tavrona" --demo "${@:2}"
fi
exec "$build/tavrona" --demo "${@:2}"
