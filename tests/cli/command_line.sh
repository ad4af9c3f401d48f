#!/bin/sh
# command_line.sh VIEWER, under scripts/with-xvfb. Without a display, --help
# and a bad option answer without trying to open one (freeglut would exit 1).
# The start-state options give the same "P" report and snapshot of both
# windows as the same changes made on the panel by a session script.
set -u
viewer=$1 tmp=$(mktemp -d)
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
"$viewer" --mode=points --light --no-cull --depth 3 --hfov 90 --vfov=30 --script "$tmp/options.script" \
  --out "$tmp/options" >"$tmp/options.out" || fail "options: exit status $?"
"$viewer" --script "$tmp/panel.script" --out "$tmp/panel" >"$tmp/panel.out" || fail "panel: exit status $?"
# gluPerspective(30, 90 / 30, 0.1, 1000): cot 15 degrees = 3.732051, over 3.
grep -q '^1.244017 0.000000 0.000000 0.000000$' "$tmp/options.out" || fail "the P report"
diff -u "$tmp/options.out" "$tmp/panel.out" || fail "the P reports differ"
cmp "$tmp/options/start.png" "$tmp/panel/start.png" || fail "the snapshots differ"

# A bad mesh: one line naming the file and line, status 2, before the display
# is even looked at.
printf '%s\n' 'v 0 0 0' 'v 1 0 0' 'f 1 2 3' >"$tmp/bad.obj"
env -u DISPLAY "$viewer" --mesh "$tmp/bad.obj" 2>"$tmp/err"
status=$?
[ "$status" -eq 2 ] || fail "--mesh with a bad file: exit status $status"
echo "$tmp/bad.obj:3: face corner '3' names no vertex: 2 defined so far" | diff -u - "$tmp/err" ||
  fail "the message for a bad mesh"
