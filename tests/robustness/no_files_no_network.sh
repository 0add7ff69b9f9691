#!/usr/bin/env bash
# no_files_no_network.sh PROGRAM [ARG...]: runs PROGRAM (the real program's
# walk, walk.cpp: start, every menu item, a calculation on each calculation
# screen, 退出) offscreen under strace and fails on
#   - any file opened for writing (O_WRONLY, O_RDWR, O_CREAT, O_TRUNC, creat)
#     or created, renamed, linked, truncated or removed outside the temporary
#     directories (/tmp, $TMPDIR, $XDG_RUNTIME_DIR; NO_FILES_ALLOWED, when
#     set, names the only directories allowed), attempts that failed
#     included;
#   - any internet socket (AF_INET, AF_INET6) or connection to one.
# Devices (/dev/null, a terminal) and local sockets (AF_UNIX: the session
# bus, a display) are allowed, and so is fontconfig's own cache in
# ~/.cache/fontconfig, which the font library rewrites when the system's
# cache is out of date (docs/robustness.md).
set -euo pipefail
(($#)) || { echo "usage: no_files_no_network.sh PROGRAM [ARG...]"; exit 2; }
command -v strace >/dev/null || { echo "strace is not installed (scripts/setup.sh --test installs it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$work/strace.log
export QT_QPA_PLATFORM=offscreen
# in the sanitizer build: LeakSanitizer cannot work under ptrace (the walk
# checks for leaks in its own test, without strace)
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

calls=open,openat,openat2,creat,truncate,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,symlinkat
calls+=,unlink,unlinkat,rmdir,mknod,mknodat,socket,connect,bind,sendto,sendmsg
status=0
# -y: file descriptors with their paths, so that a path relative to a directory descriptor is known
strace -f -qq -y -s 4096 -o "$log" -e trace="$calls" "$@" >"$work/walk.out" 2>&1 || status=$?
cat "$work/walk.out"
if [ "$status" -ne 0 ]; then
  echo "FAILED: $1 ended with status $status"
  exit 1
fi

# the temporary directories (or only those NO_FILES_ALLOWED names, blank
# separated: the check's own test, wherever the build lies), and fontconfig's
# cache
if [ -n "${NO_FILES_ALLOWED:-}" ]; then
  read -ra allowed <<<"$NO_FILES_ALLOWED"
else
  allowed=(/tmp)
  [ -n "${TMPDIR:-}" ] && [ "$TMPDIR" != /tmp ] && allowed+=("${TMPDIR%/}")
  [ -n "${XDG_RUNTIME_DIR:-}" ] && allowed+=("${XDG_RUNTIME_DIR%/}")
fi
fontcache=${XDG_CACHE_HOME:-$HOME/.cache}/fontconfig

findings=$(awk -v allowed="${allowed[*]} $fontcache" '
function inside(path,    n, a, k) {
  # devices (/dev/null, a terminal) are no files; shared memory is
  if (index(path, "/dev/") == 1 && index(path, "/dev/shm/") != 1) return 1
  n = split(allowed, a, " ")
  for (k = 1; k <= n; ++k) if (path == a[k] || index(path, a[k] "/") == 1) return 1
  return 0
}
# every quoted path argument, a relative one joined to the directory of the
# descriptor before it ("3</dir>"); "rename" and "link" have two
function check(line,    rest, pre, p, dir) {
  rest = line
  pre = ""
  while (match(rest, /"([^"\\]|\\.)*"/)) {
    p = substr(rest, RSTART + 1, RLENGTH - 2)
    pre = pre substr(rest, 1, RSTART - 1)
    rest = substr(rest, RSTART + RLENGTH)
    if (substr(p, 1, 1) != "/") {
      dir = "(relative to the working directory)"
      if (match(pre, /<[^>]*>, *$/)) {
        dir = substr(pre, RSTART + 1, RLENGTH)
        sub(/>, *$/, "", dir)
      }
      p = dir "/" p
    }
    if (!inside(p)) {
      print "file " p ": " line
      return
    }
  }
}
{
  line = $0
  sub(/^[0-9]+ +/, "", line)
  if (match(line, /^(socket|connect|bind|sendto|sendmsg)\(/)) {
    if (line ~ /AF_INET6?[,}]/ || line ~ /sa_family=AF_INET6?[,}]/) print "network: " line
    next
  }
  if (match(line, /^(open|openat|openat2)\(/)) {
    if (line !~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/) next
  } else if (!match(line, /^(creat|truncate|mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|mknod|mknodat)\(/)) {
    next
  }
  check(line)
}' "$log")

opened=$(grep -cE '^[0-9]+ +(open|openat|openat2)\(' "$log" || true)
echo "strace: $(wc -l <"$log") calls traced, $opened opens"
if [ -n "$findings" ]; then
  echo "$findings"
  files=$(grep -c '^file ' <<<"$findings" || true)
  sockets=$(grep -c '^network: ' <<<"$findings" || true)
  echo "FAILED: $files writing outside the temporary directories, $sockets internet sockets or connections"
  exit 1
fi
echo "no file written outside ${allowed[*]}, no internet socket"
