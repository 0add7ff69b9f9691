#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/shell/qt/solar-calc
fi

shot="$PWD/build/solar-calc-screenshot.png"
rm -f "$shot"
echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): starting the program under a virtual display (xvfb-run)."
# Inside the virtual display: start the program, wait until its main window is
# mapped (at most a minute: the first start may be slow), give it a moment to
# paint, save a picture of that window, then end the program.
xvfb-run -a -s '-screen 0 1366x768x24' bash -c '
  build/shell/qt/solar-calc &
  pid=$!
  window=""
  for _ in $(seq 1 120); do
    kill -0 "$pid" 2>/dev/null || { echo "The program ended before its window appeared." >&2; exit 1; }
    window=$(xwininfo -root -tree 2>/dev/null | grep -F "(\"solar-calc\" " |
             grep -E " [0-9]{3,}x[0-9]{3,}[+-]" | awk "{ print \$1; exit }" || true)
    [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || { echo "The program window did not appear." >&2; kill "$pid"; exit 1; }
  sleep 2
  import -window "$window" "$1"
  kill "$pid"
  wait "$pid" 2>/dev/null || true' _ "$shot"
echo "A screenshot of the program's window is saved in $shot; the program has been ended."
