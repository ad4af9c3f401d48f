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

# -geometry: a position alone keeps the 400 x 400 default, a side past 16384
# is cut to it with one note before the window opens, and a number outside
# X's range is refused. The snapshot holds the drawing window and the panel
# side by side; its size is read from the PNG header (width, height at 16).
printf '%s\n' 'snap size' >"$tmp/size.script"
snap_size() {
  rm -rf "$tmp/size"
  "$viewer" "$@" --script "$tmp/size.script" --out "$tmp/size" 2>"$tmp/err" || fail "$*: status $?"
  set -- $(od -An -tu1 -j16 -N8 "$tmp/size/size.png")
  echo "$(($1 << 24 | $2 << 16 | $3 << 8 | $4))x$(($5 << 24 | $6 << 16 | $7 << 8 | $8))"
}
plain=$(snap_size)
panel_width=$((${plain%x*} - 400)) panel_height=${plain#*x}
for case in "+0+0 400" "300x200+10+10 300" "32767x50 16384"; do
  set -- $case
  [ "$(snap_size -geometry "$1")" = "$(($2 + panel_width))x$panel_height" ] || fail "-geometry $1"
  note=
  [ "$1" != 32767x50 ] || note="viewer: the drawing window is limited to 16384 x 16384 pixels"
  [ "$(cat "$tmp/err")" = "$note" ] || fail "-geometry $1: $(cat "$tmp/err")"
done
for refused in 32768x400 4294967297x400 +40000+0 0x400; do
  "$viewer" -geometry "$refused" 2>/dev/null
  [ $? = 2 ] || fail "-geometry $refused was not refused with status 2"
done

# Hostile scripts, refused with status 2 before any display is needed: one
# from /dev/zero (past the size cap: one line), one with a 5000-byte line (the
# line cap: one line for it, nothing after it read).
refused_script() {
  env -u DISPLAY "$viewer" --script "$1" >/dev/null 2>"$tmp/err"
  [ $? = 2 ] || fail "--script $1: not refused with status 2"
  printf '%s\n' "$2" | diff -u - "$tmp/err" || fail "--script $1: the message"
}
refused_script /dev/zero "/dev/zero: the script is larger than 1 MiB"
{ echo 'key C'; printf '#%5000s\n' ''; echo bogus; } >"$tmp/long.script"
refused_script "$tmp/long.script" "$tmp/long.script:2: the line is longer than 4096 bytes"
# Echoed text is escaped and shortened, and after 30 bad lines the rest are
# counted.
a64=$(printf '%064d' 0 | tr 0 a)
{ printf 'key \033]0;x\007\n'; printf 'key %s\n' "$a64$a64"; yes bogus | head -n 98; } \
  >"$tmp/hostile.script"
{
  printf '%s\n' "$tmp/hostile.script:1: expected one character or Esc, found \"\\x1b]0;x\\x07\"" \
    "$tmp/hostile.script:2: expected one character or Esc, found \"$a64... (128 bytes)\""
  for n in $(seq 3 30); do
    echo "$tmp/hostile.script:$n: expected a command (select, check, set, press, drag, key," \
      "click, resize, snap, trace, expect, echo, camera, world, raster), found \"bogus\""
  done
  echo "$tmp/hostile.script: 70 more bad lines"
} >"$tmp/hostile.err"
refused_script "$tmp/hostile.script" "$(cat "$tmp/hostile.err")"

# A bad mesh: one line naming the file and line, status 2, before the display
# is even looked at.
printf '%s\n' 'v 0 0 0' 'v 1 0 0' 'f 1 2 3' >"$tmp/bad.obj"
env -u DISPLAY "$viewer" --mesh "$tmp/bad.obj" 2>"$tmp/err"
status=$?
[ "$status" -eq 2 ] || fail "--mesh with a bad file: exit status $status"
echo "$tmp/bad.obj:3: face corner '3' names no vertex: 2 defined so far" | diff -u - "$tmp/err" ||
  fail "the message for a bad mesh"
