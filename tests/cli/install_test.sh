#!/bin/sh
# `make install` into a temporary DESTDIR, with the default prefix and with
# PREFIX=: exactly the program, its manual page and its desktop entry land,
# under the prefix, and the installed program answers --version.
#
# usage: install_test.sh SOURCE_DIR BUILD_DIR VERSION
set -eu
src=$1 build=$2 version=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

for prefix in /usr/local /opt/viewer; do
  rm -rf "$dest"/*
  if [ "$prefix" = /usr/local ]; then set --; else set -- PREFIX="$prefix"; fi
  # The make that runs this test must not lend its job server or flags.
  env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS \
    make -s -C "$src" install BUILD_DIR="$build" DESTDIR="$dest" "$@" >"$dest.log" 2>&1 ||
    { cat "$dest.log" >&2; rm -f "$dest.log"; fail "make install failed for $prefix"; }
  rm -f "$dest.log"
  found=$(cd "$dest" && find . ! -type d | sort | tr '\n' ' ')
  want=".$prefix/bin/viewer .$prefix/share/applications/viewer.desktop"
  want="$want .$prefix/share/man/man1/viewer.1 "
  [ "$found" = "$want" ] || fail "installed under $prefix: $found; expected: $want"
  answer=$(env -u DISPLAY "$dest$prefix/bin/viewer" --version)
  [ "$answer" = "viewer $version" ] || fail "the installed viewer answers '$answer'"
done
echo "install_test: passed"
