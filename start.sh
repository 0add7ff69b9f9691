#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/shell/qt/solar-calc
fi

shot="$PWD/build/solar-calc-screenshot.png"
echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): starting the program under a virtual display (xvfb-run)."
xvfb-run -a -s '-screen 0 1366x768x24' bash -c '
  build/shell/qt/solar-calc &
  pid=$!
  sleep 5
  import -window root "$1"
  kill "$pid"
  wait "$pid" 2>/dev/null || true' _ "$shot"
echo "A screenshot of the program's window is saved in $shot; the program has been ended."
