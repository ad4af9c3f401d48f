#!/bin/sh
# install_test.sh SOURCE_DIR BUILD_DIR VERSION: `make install` into a temporary
# DESTDIR, with the default prefix and with PREFIX=, puts a program there that
# answers --version (what is installed, package_test.sh lists: the package
# holds what `make install` installs).
set -eu
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
for given in '' /opt/viewer; do
  prefix=${given:-/usr/local} && rm -rf "${dest:?}"/*
  # The make that runs this test must not lend its job server or flags.
  env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS make -s -C "$1" install BUILD_DIR="$2" \
    DESTDIR="$dest" ${given:+PREFIX="$given"} >&2
  [ "$(env -u DISPLAY "$dest$prefix/bin/viewer" --version)" = "viewer $3" ] || { echo "install_test: --version" >&2; exit 1; }
done
