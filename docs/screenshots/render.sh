#!/usr/bin/env bash
# Renders the screenshots of the documentation from the scripts in scripts/
# with the developer tool build/tools/screenshot/screenshot (the real main
# window at 1366 x 768, on an X display: without one, everything runs under a
# virtual display, xvfb-run): every script as the program looks by default,
# the screens again under a dark palette (dark/), and a few on a HiDPI
# display at scale 2 (scale2/, 2732 x 1536 pixels). The scripts named in
# `whole` show the whole screen, beyond what the window shows without
# scrolling.
#
# Usage: docs/screenshots/render.sh [BUILD_DIR]    (default: build)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
tool="$build/tools/screenshot/screenshot"
[ -x "$tool" ] || { echo "build the screenshot tool first: cmake --build build --target screenshot" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 2732x1536x24' "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb

dark=(design design_residential collector_hydraulics supply_network insulation pool_solar info
      reference reference_solar_fractions reference_collectors reference_heat_pumps reference_tanks)
scale2=(design supply_network reference)
whole=(pool_solar)

options() { for w in "${whole[@]}"; do [ "$w" = "$1" ] && echo --full; done; true; }
mkdir -p "$here/dark" "$here/scale2"
for script in "$here"/scripts/*.script; do
  name=$(basename "$script" .script)
  "$tool" $(options "$name") "$script" "$here/$name.png"
done
for name in "${dark[@]}"; do
  "$tool" --dark $(options "$name") "$here/scripts/$name.script" "$here/dark/$name.png"
done
for name in "${scale2[@]}"; do
  QT_SCALE_FACTOR=2 "$tool" "$here/scripts/$name.script" "$here/scale2/$name.png"
done
echo "rendered into $here (display $DISPLAY)"
