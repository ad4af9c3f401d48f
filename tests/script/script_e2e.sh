#!/bin/sh
# script_e2e.sh VIEWER NAME STATUS [OPTION...]: VIEWER --script NAME.script [OPTION...]
#   prints NAME.out (both streams) and exits with STATUS; a bad script (2) needs no display.
# script_e2e.sh VIEWER snapshot: the snapshots are named pipes, so the viewer waits in each
#   snap until its pipe is read. While it waits in "hold" the live drawing window is grabbed:
#   "state" must hold both windows side by side, its left part equal to that grab. Then the
#   drawing window grows under the panel: "wide" shows its own picture there, all grey (the lit
#   sphere on black), none of the panel's colours.
# script_e2e.sh VIEWER orbit: with --world, orbit.script's "same" equals "start", "moved" does not.
# script_e2e.sh VIEWER check: VIEWER --check over a passing, a failing and a bad script prints
#   check.out and exits 5, writing no snapshot; over the bad script alone it exits 2; with --out
#   DIR, pass.script's snapshot is DIR/pass/start.png.
set -u
viewer=$1 name=$2 tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $name: $*" >&2; exit 1; }
if [ "$name" = orbit ]; then
  "$viewer" --world --script orbit.script --out "$tmp" >"$tmp/log" 2>&1 </dev/null ||
    fail "status $?: $(cat "$tmp/log")"
  differ() { compare -metric AE "$tmp/$1.png" "$tmp/$2.png" null: 2>&1; }
  [ "$(differ start same)" = 0 ] || fail "the start observer's numbers changed the picture"
  [ "$(differ start moved)" != 0 ] || fail "world orbit did not move the observer"
  exit 0
fi
if [ "$name" = check ]; then
  cp pass.script expect.script bad.script "$tmp" && cd "$tmp" || fail "no copies"
  "$viewer" -display "$DISPLAY" --check pass.script expect.script bad.script >out 2>&1 </dev/null
  status=$?
  diff -u "$OLDPWD/check.out" out || fail "the output differs from check.out"
  [ "$status" = 5 ] || fail "exit status $status, expected 5"
  [ -z "$(find . -name '*.png')" ] || fail "a snapshot was written without --out"
  "$viewer" --check bad.script >out 2>&1 </dev/null
  [ $? = 2 ] || fail "only a bad script: not status 2: $(cat out)"
  "$viewer" --check pass.script --out pics >out 2>&1 </dev/null || fail "status $?: $(cat out)"
  [ -s pics/pass/start.png ] || fail "no pics/pass/start.png"
  exit 0
fi
if [ "$name" != snapshot ]; then
  want=$3 && shift 3
  [ "$want" != 2 ] || unset DISPLAY
  "$viewer" --script "$name.script" "$@" >"$tmp/out" 2>&1 </dev/null
  status=$?
  diff -u "$name.out" "$tmp/out" || fail "the output differs from $name.out"
  [ "$status" = "$want" ] || fail "exit status $status, expected $want"
  exit 0
fi
mkfifo "$tmp/state.png" "$tmp/hold.png"
"$viewer" --script snapshot.script --out "$tmp" >"$tmp/log" 2>&1 </dev/null &
cat "$tmp/state.png" >"$tmp/snap.png"
import -window OpenGL "$tmp/live.png" || fail "no grab of the drawing window"
size() { xwininfo -name "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'; }
set -- $(size OpenGL) $(size "Tavrin Assignment 3")
cat "$tmp/hold.png" >/dev/null
wait $! || fail "the viewer exited with status $?: $(cat "$tmp/log")"
[ "$1x$2" = 300x200 ] || fail "the drawing window is $1x$2, not 300x200"
both="$(($1 + $3))x$(($2 > $4 ? $2 : $4))"
[ "$(identify -format '%wx%h' "$tmp/snap.png")" = "$both" ] || fail "state.png is not $both"
convert "$tmp/snap.png" -crop "$1x$2+0+0" +repage "$tmp/left.png"
differ=$(compare -metric AE "$tmp/left.png" "$tmp/live.png" null: 2>&1)
[ "$differ" = 0 ] || fail "$differ pixels of the drawing window differ from a fresh grab"
[ "$(convert "$tmp/left.png" -format '%[fx:mean > 0.05]' info:)" = 1 ] || fail "a black window"
convert "$tmp/wide.png" -crop 700x200+0+0 +repage "$tmp/wide-left.png"
[ "$(convert "$tmp/wide-left.png" -fx 'abs(r-g)+abs(g-b)' -format '%[fx:maxima]' info:)" = 0 ] ||
  fail "the wide drawing window's snapshot shows what covers it"
[ "$(convert "$tmp/wide-left.png" -format '%[fx:mean > 0.05]' info:)" = 1 ] || fail "a black wide window"
