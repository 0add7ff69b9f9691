#!/usr/bin/env bash
# The Debian package on this machine: builds the .deb from the build tree,
# checks what it holds and depends on, installs it with apt-get as a user
# would, checks that the libraries and the CJK font the program needs come
# from packages it depends on (not only from what this machine had), starts
# the installed program from its desktop entry under a virtual display and
# checks that its main window appears, with a screenshot that is not blank.
# The package is removed again at the end, and nothing else is: packages
# apt-get pulled in for it stay.
#
# A machine that already has solar-calc installed is left as it is and the
# check is skipped (exit 0 with a note): it never replaces a user's copy.
#
# Usage: tests/package/install_test.sh [BUILD_DIR]    (default: build)
# Leaves the package, its logs and the screenshot in BUILD_DIR/package-test/.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build}" && pwd)
out="$build/package-test"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

fail() {
  echo "package test FAILED: $*" >&2
  exit 1
}

# one run at a time on a machine, whoever starts it
exec 9>"${TMPDIR:-/tmp}/solar-calc-package-test.lock"
flock 9

if dpkg-query -W -f='${Status}' solar-calc 2>/dev/null | grep -q "install ok installed"; then
  echo "package test skipped: solar-calc is already installed on this machine and is left as it is"
  exit 0
fi

rm -rf "$out"
mkdir -p "$out"
echo "package test: building the .deb"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out/cpack" > "$out/cpack.log" 2>&1 ||
  fail "cpack failed, see $out/cpack.log"
debs=("$out"/cpack/solar-calc_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single solar-calc .deb"
# apt-get reads the file as its own unprivileged user: give it a readable copy
deb="$(mktemp -d)/$(basename "${debs[0]}")"
cp "${debs[0]}" "$deb"
chmod 755 "$(dirname "$deb")"
chmod 644 "$deb"

# --- what the package holds and needs
depends=$(dpkg-deb -f "$deb" Depends)
echo "package test: Depends: $depends"
for need in qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-dejavu-core; do
  grep -Eq "(^|[ ,|])$need([ ,(|]|$)" <<<"$depends" || fail "Depends lacks $need"
done
grep -Eq "fonts-(wqy-microhei|wqy-zenhei|noto-cjk)" <<<"$depends" || fail "Depends names no CJK font"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
# the desktop entry and the AppStream data are named after the component id
app_id=io.github.solarcalc.SolarCalc
for f in ./usr/bin/solar-calc ./usr/share/applications/$app_id.desktop \
         ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/solar-calc.svg; do
  grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
others=$(grep -E '^\./usr/share/(applications|metainfo)/.*[^/]$' <<<"$contents" |
  grep -Fvx -e "./usr/share/applications/$app_id.desktop" -e "./usr/share/metainfo/$app_id.metainfo.xml" || true)
[ -z "$others" ] || fail "the package holds other desktop entries or AppStream data: $others"
for size in 16 32 48 64 128 256; do
  grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/solar-calc.png" <<<"$contents" ||
    fail "the package lacks the ${size}x${size} icon"
done

# --- install as a user would; remove it again whatever happens next
cleanup() {
  if dpkg-query -W -f='${Status}' solar-calc 2>/dev/null | grep -q "install ok installed"; then
    $sudo dpkg -r solar-calc > "$out/remove.log" 2>&1 || echo "package test: could not remove solar-calc" >&2
  fi
  rm -rf "$(dirname "$deb")"
}
trap cleanup EXIT
echo "package test: installing $(basename "$deb") with apt-get"
if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -o DPkg::Lock::Timeout=300 "$deb" \
    > "$out/install.log" 2>&1; then
  # the package lists of a fresh machine may be empty or stale
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update >> "$out/install.log" 2>&1 || true
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -o DPkg::Lock::Timeout=300 "$deb" \
    >> "$out/install.log" 2>&1 || fail "apt-get install failed, see $out/install.log"
fi

program=/usr/bin/solar-calc
desktop=/usr/share/applications/$app_id.desktop
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
[ -x "$program" ] || fail "$program is not installed"
missing=$(ldd "$program" | grep "not found" || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

# --- everything the program loads comes with the package: on this machine the
# libraries and fonts may have been installed beforehand, so apt-get had nothing
# to resolve. Each shared library of the program and of Qt's X11 platform
# plugin, and a CJK font, must belong to a package in the recursive dependency
# closure of solar-calc, so that a machine without them gets them too.
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
  --no-enhances solar-calc 2> "$out/closure.log" | grep -v '^ ' | tr -d '<>' | sed 's/:.*//' | sort -u) ||
  fail "apt-cache depends solar-calc failed, see $out/closure.log"
grep -qx solar-calc <<<"$closure" || fail "apt-cache does not know the installed solar-calc"
echo "$closure" > "$out/closure.txt"
in_closure() { grep -qx "${1%%:*}" <<<"$closure"; }

# the owners of the given files: lines "FILE PACKAGE[ PACKAGE...]", one per file
# found; a path and its alias across the /usr merge (/lib, /usr/lib) are both tried
owners() {
  local f
  local -a paths=()
  for f in "$@"; do
    paths+=("$f")
    case "$f" in /usr/*) paths+=("${f#/usr}") ;; *) paths+=("/usr$f") ;; esac
  done
  dpkg -S "${paths[@]}" 2> /dev/null | grep -v '^diversion ' | while IFS= read -r line; do
    local path=${line##*: } pkgs=${line%: *}
    for f in "$@"; do
      [ "$path" = "$f" ] || [ "$path" = "/usr$f" ] || [ "/usr$path" = "$f" ] || continue
      echo "$f ${pkgs//, / }"
    done
  done || true
}

plugin_line=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' 2> /dev/null | grep -v '^diversion ') ||
  fail "no installed package holds Qt's X11 platform plugin libqxcb.so"
plugin_line=$(head -n 1 <<<"$plugin_line")
plugin=${plugin_line##*: }
plugin_package=${plugin_line%%: *}
in_closure "$plugin_package" ||
  fail "the X11 platform plugin $plugin comes from ${plugin_package%%:*}, which solar-calc does not depend on"
missing=$(ldd "$plugin" | grep "not found" || true)
[ -z "$missing" ] || fail "libraries of $plugin not found: $missing"
mapfile -t libraries < <( (ldd "$program"; ldd "$plugin") |
  awk '$2 == "=>" && $3 ~ /^\// {print $3} $1 ~ /^\// {print $1}' | sort -u)
[ ${#libraries[@]} -gt 0 ] || fail "ldd lists no libraries for $program"
owned=$(owners "${libraries[@]}")
outside=()
for lib in "${libraries[@]}"; do
  packages=$(awk -v f="$lib" '$1 == f {$1 = ""; print}' <<<"$owned")
  if [ -z "$packages" ]; then
    outside+=("$lib (no package)")
    continue
  fi
  ok=""
  for p in $packages; do in_closure "$p" && ok=yes; done
  [ -n "$ok" ] || outside+=("$lib ($(sed 's/^ //; s/:[^ ]*//g' <<<"$packages"))")
done
[ ${#outside[@]} -eq 0 ] ||
  fail "libraries from packages solar-calc does not depend on: ${outside[*]}"
from=$(for lib in "${libraries[@]}"; do awk -v f="$lib" '$1 == f {print $2}' <<<"$owned"; done | sed 's/:.*//' | sort -u)

command -v fc-list > /dev/null || fail "fc-list (fontconfig) is not installed"
mapfile -t cjk_files < <(fc-list ':lang=zh-cn' file | sed 's/: *$//' | sort -u)
[ ${#cjk_files[@]} -gt 0 ] || fail "no font for Simplified Chinese is installed"
cjk_packages=$(owners "${cjk_files[@]}" | cut -d' ' -f2- | tr ' ' '\n' | sed 's/:.*//' | sort -u)
cjk=$(grep -Fx -f <(echo "$closure") <<<"$cjk_packages" | head -n 1 || true)
[ -n "$cjk" ] || fail "no package solar-calc depends on provides a CJK font (installed ones come from:" \
  "$(paste -sd ' ' <<<"$cjk_packages"))"
echo "package test: dependency closure of solar-calc: $(wc -l <<<"$closure") packages; the ${#libraries[@]}" \
  "libraries of the program and $(basename "$plugin") come from $(wc -l <<<"$from") of them, the CJK font from $cjk"

grep -qx "Name=太阳能系统计算" "$desktop" || fail "the desktop entry's Name is not 太阳能系统计算"
grep -q "^GenericName=" "$desktop" || fail "the desktop entry has no GenericName"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
fi
if command -v appstreamcli > /dev/null; then
  # errors and warnings fail; infos and pedantic hints are only logged
  appstream_ok=yes
  appstreamcli validate --no-net "$metainfo" > "$out/appstream.log" 2>&1 || appstream_ok=no
  if [ "$appstream_ok" = no ] || grep -Eq "^[EW]:" "$out/appstream.log"; then
    fail "appstreamcli validate rejects $metainfo: $(grep -E '^[EW]:' "$out/appstream.log" || tail -n 1 "$out/appstream.log")"
  fi
  grep -Fq "<id>$app_id</id>" "$metainfo" || fail "the AppStream component id is not $app_id"
  grep -Fq "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch $app_id.desktop"
fi
# the desktop entry's name is the component id, not the program's window
# class: the entry names the class, so that a desktop puts the window under it
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wmclass" ] || fail "the desktop entry has no StartupWMClass"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
launch=$(command -v "${exec_line%% *}") || fail "the desktop entry's Exec ($exec_line) is not on the PATH"
[ "$launch" = "$program" ] || fail "the desktop entry starts $launch, not $program"

# --- start it as from the desktop, on a virtual X display, with the platform
# plugin and fonts the package depends on
echo "package test: starting $launch under xvfb-run"
home=$(mktemp -d)
shot="$out/installed.png"
xvfb-run -a -s '-screen 0 1366x768x24' env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR HOME="$home" LANG=C.UTF-8 \
  bash -c '
  launch=$1 shot=$2 out=$3 wmclass=$4
  "$launch" > "$out/program.log" 2>&1 &
  pid=$!
  # wait for the main window: a top-level window of the class the desktop
  # entry names whose title names the program, mapped on the screen
  id=""
  for _ in $(seq 1 100); do
    sleep 0.2
    kill -0 "$pid" 2> /dev/null || { echo "the program ended at start" >&2; exit 1; }
    for w in $(xwininfo -root -tree | grep -F "\"太阳能系统计算" | grep -F "\"$wmclass\")" | awk "{print \$1}"); do
      xwininfo -id "$w" | grep -q "Map State: IsViewable" && id=$w
    done
    [ -n "$id" ] && break
  done
  [ -n "$id" ] || { echo "no window titled 太阳能系统计算 appeared" >&2; kill "$pid"; exit 1; }
  sleep 1   # let it paint
  xwininfo -id "$id" > "$out/window.txt"
  import -window root "$shot"
  kill -0 "$pid" 2> /dev/null || { echo "the program ended after its window appeared" >&2; exit 1; }
  kill "$pid"
  wait "$pid" 2> /dev/null || true
' _ "$launch" "$shot" "$out" "$wmclass" || fail "$(cat "$out/program.log" 2> /dev/null)"
rm -rf "$home"

width=$(awk '/Width:/ {print $2}' "$out/window.txt")
height=$(awk '/Height:/ {print $2}' "$out/window.txt")
title=$(sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p' "$out/window.txt")
echo "package test: window \"$title\""
[ "$title" = "太阳能系统计算 - [太阳能系统计算]" ] || fail "the main window's title is \"$title\""
[ "${width:-0}" -ge 800 ] && [ "${height:-0}" -ge 500 ] || fail "the window is only ${width}x${height}"
# a window that painted its menus, fields and texts has many colours; a black
# or empty screen has one or two
colours=$(/usr/bin/convert "$shot" -format '%k' info:)
[ "$colours" -ge 50 ] || fail "the screenshot $shot has only $colours colours: nothing was painted"
echo "package test passed: installed, started, window ${width}x${height}, screenshot $shot ($colours colours)"
