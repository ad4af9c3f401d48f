#!/bin/sh
# End-to-end checks of session scripts, run by ctest in this folder, each on
# a private Xvfb.
#
#   script_e2e.sh VIEWER NAME STATUS [OPTION...]
#     runs VIEWER --script NAME.script [OPTION...]; its standard output and
#     standard error together, as on a terminal, must equal NAME.out, and it
#     must exit with STATUS. With STATUS 2 (a bad script) it runs with no
#     display at all: the script is refused before any window is opened.
#   script_e2e.sh VIEWER snapshot
#     runs snapshot.script, whose two snapshot files are named pipes, so the
#     viewer waits inside each snap until the pipe is read. Once "state" is
#     read nothing changes any more, and while the viewer waits in "hold" the
#     live drawing window is grabbed with ImageMagick's import. state.png must
#     hold both windows side by side, its left part equal to that grab.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${SCRIPT_E2E_DISPLAY:-}" ]; then
  SCRIPT_E2E_DISPLAY=private exec "$here/../../scripts/with-xvfb" sh "$0" "$@"
fi
viewer=$1
name=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "$name" != snapshot ]; then
  want=$3
  shift 3
  if [ "$want" -eq 2 ]; then
    env -u DISPLAY "$viewer" --script "$name.script" "$@" >"$tmp/out" 2>&1 </dev/null
  else
    "$viewer" --script "$name.script" "$@" >"$tmp/out" 2>&1 </dev/null
  fi
  status=$?
  diff -u "$name.out" "$tmp/out" || fail "$name: the output differs from $name.out"
  [ "$status" -eq "$want" ] || fail "$name: exit status $status, expected $want"
  echo "$name: output and exit status $status as expected"
  exit 0
fi

mkfifo "$tmp/state.png" "$tmp/hold.png"
"$viewer" --script snapshot.script --out "$tmp" >"$tmp/log" 2>&1 </dev/null &
pid=$!
cat "$tmp/state.png" >"$tmp/snap.png"
import -window OpenGL "$tmp/live.png" || fail "no grab of the drawing window"
size() { xwininfo -name "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'; }
set -- $(size OpenGL) $(size "Tavrin Assignment 3")
cat "$tmp/hold.png" >/dev/null
wait $pid || fail "the viewer exited with status $?: $(cat "$tmp/log")"

[ "$1x$2" = 300x200 ] || fail "the drawing window is $1x$2, not 300x200"
both="$(($1 + $3))x$(($2 > $4 ? $2 : $4))"
got=$(identify -format '%wx%h' "$tmp/snap.png") || fail "state.png is no picture"
[ "$got" = "$both" ] || fail "state.png is $got, the windows side by side $both"
convert "$tmp/snap.png" -crop "$1x$2+0+0" +repage "$tmp/left.png"
differ=$(compare -metric AE "$tmp/left.png" "$tmp/live.png" null: 2>&1)
[ "$differ" = 0 ] || fail "$differ pixels of the drawing window differ from a fresh grab"
lit=$(convert "$tmp/left.png" -format '%[fx:mean > 0.05]' info:)
[ "$lit" = 1 ] || fail "the drawing window is black"
echo "snapshot: $got, both windows; the drawing window's $1x$2 equal to a fresh grab"
