#!/bin/sh
# snapshot_files.sh VIEWER, under scripts/with-xvfb: a snapshot replaces a
# symbolic link at its name and never writes through it, and a snapshot that
# cannot be written whole (a file size limit stands in for a full disk) ends
# with status 3, leaving no file and the earlier picture of that name intact.
set -u
viewer=$1 tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
is_png() { [ "$(od -An -c -j1 -N3 "$1" | tr -d ' ')" = PNG ]; }
mkdir "$tmp/out" "$tmp/outside"
echo kept >"$tmp/outside/target"
ln -s ../outside/target "$tmp/out/linked.png"
ln -s ../outside/made "$tmp/out/dangling.png"
printf '%s\n' 'snap linked' 'snap dangling' >"$tmp/links.script"
"$viewer" --script "$tmp/links.script" --out "$tmp/out" >/dev/null || fail "links: exit status $?"
[ "$(cat "$tmp/outside/target")" = kept ] || fail "the link's target was written"
[ ! -e "$tmp/outside/made" ] || fail "a file was made through a dangling link"
for name in linked dangling; do
  [ ! -L "$tmp/out/$name.png" ] && is_png "$tmp/out/$name.png" || fail "$name.png is not a picture"
done
[ "$(ls -A "$tmp/out")" = "$(printf 'dangling.png\nlinked.png')" ] || fail "left: $(ls -A "$tmp/out")"

# 8 blocks of 512 bytes (dash's unit) hold less than one picture; SIGXFSZ
# ignored, so the write fails with EFBIG instead of killing the viewer.
mkdir "$tmp/full"
echo earlier >"$tmp/full/picture.png"
printf '%s\n' 'snap picture' >"$tmp/full.script"
(ulimit -f 8 && trap '' XFSZ && exec "$viewer" --script "$tmp/full.script" --out "$tmp/full") \
  >/dev/null 2>"$tmp/err"
status=$?
[ $status = 3 ] || fail "a snapshot past the size limit: exit status $status"
grep -q "^viewer: cannot write the snapshot $tmp/full/picture.png: File too large$" "$tmp/err" ||
  fail "the message: $(cat "$tmp/err")"
[ "$(ls -A "$tmp/full")" = picture.png ] || fail "left: $(ls -A "$tmp/full")"
[ "$(cat "$tmp/full/picture.png")" = earlier ] || fail "the earlier picture was changed"
