#!/bin/sh
# The command line on the real binary, under scripts/with-xvfb.
# - Without a display, --help and a bad option answer and exit without trying
#   to open one (freeglut would end the program with status 1).
# - The start-state options give the same "P" report and the same snapshot of
#   both windows as the same changes made on the panel by a session script.
# usage: command_line.sh VIEWER
set -u
viewer=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

env -u DISPLAY "$viewer" --help >"$tmp/help" || fail "--help: exit status $?"
[ "$(head -n 1 "$tmp/help")" = "Usage: viewer [OPTION]... [X OPTION]..." ] || fail "--help"
[ "$(wc -l <"$tmp/help")" -le 60 ] || fail "--help is longer than a screen"
env -u DISPLAY "$viewer" --vfov 5 2>"$tmp/err" && fail "--vfov 5 was accepted"
printf "%s\n" "viewer: option '--vfov' got '5': expected a number of degrees from 10 to 180" \
  "Try 'viewer --help'." | diff -u - "$tmp/err" || fail "the message for --vfov 5"

printf '%s\n' 'key P' 'snap start' >"$tmp/options.script"
printf '%s\n' 'select Points' 'check "Light On/Off" on' 'check "Backface culling" off' \
  'set "# Subdivisions" 3' 'set Hfov 90' 'set Vfov 30' 'key P' 'snap start' >"$tmp/panel.script"
for way in options panel; do
  [ $way = options ] && set -- --mode=points --light --no-cull --depth 3 --hfov 90 --vfov=30
  [ $way = panel ] && set --
  "$viewer" "$@" --script "$tmp/$way.script" --out "$tmp/$way" >"$tmp/$way.out" ||
    fail "$way: exit status $?"
done
# gluPerspective(30, 90 / 30, 0.1, 1000): cot 15 degrees = 3.732051, over 3.
grep -q '^1.244017 0.000000 0.000000 0.000000$' "$tmp/options.out" || fail "the P report"
diff -u "$tmp/options.out" "$tmp/panel.out" || fail "the P reports differ"
cmp "$tmp/options/start.png" "$tmp/panel/start.png" || fail "the snapshots differ"
