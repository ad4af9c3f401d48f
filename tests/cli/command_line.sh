#!/bin/sh
# command_line.sh VIEWER, under scripts/with-xvfb. Without a display, --help
# answers without trying to open one (freeglut would exit 1).
set -u
viewer=$1 tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
env -u DISPLAY "$viewer" --help >"$tmp/help" || fail "--help: exit status $?"
[ "$(head -n 1 "$tmp/help")" = "Usage: viewer [OPTION]... [X OPTION]..." ] || fail "--help"
[ "$(wc -l <"$tmp/help")" -le 60 ] || fail "--help is longer than a screen"

# -geometry: a position alone keeps the 400 x 400 default, a side past 16384
# is cut to it with one note before the window opens. The snapshot holds the drawing window and the panel
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

# A script from /dev/zero, refused with status 2 before any display is
# needed: past the size cap, one line. The other refused scripts and options:
# tests/script.
env -u DISPLAY "$viewer" --script /dev/zero >/dev/null 2>"$tmp/err"
[ $? = 2 ] || fail "--script /dev/zero: not refused with status 2"
echo "/dev/zero: the script is larger than 1 MiB" | diff -u - "$tmp/err" || fail "the message"
