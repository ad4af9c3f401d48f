#!/bin/sh
# `make install` into a temporary DESTDIR, with the default prefix and with
# PREFIX=: exactly the program, its manual page and its desktop entry land,
# under the prefix, and the installed program answers --version.
# usage: install_test.sh SOURCE_DIR BUILD_DIR VERSION
set -eu
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }
for given in '' /opt/viewer; do
  prefix=${given:-/usr/local}
  rm -rf "${dest:?}"/*
  # The make that runs this test must not lend its job server or flags.
  env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS make -s -C "$1" install BUILD_DIR="$2" \
    DESTDIR="$dest" ${given:+PREFIX="$given"} >&2
  found=$(cd "$dest" && find . ! -type d | sort | tr '\n' ' ')
  want=".$prefix/bin/viewer .$prefix/share/applications/viewer.desktop"
  [ "$found" = "$want .$prefix/share/man/man1/viewer.1 " ] || fail "installed: $found"
  [ "$(env -u DISPLAY "$dest$prefix/bin/viewer" --version)" = "viewer $3" ] || fail "--version"
done
