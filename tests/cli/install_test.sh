#!/bin/sh
# install_test.sh SOURCE_DIR BUILD_DIR VERSION: `make install` into a temporary
# DESTDIR, with the default prefix and with PREFIX=, installs exactly the
# program, its manual page, desktop entry, tour script, exercises, meshes,
# copyright and changelog, and the program answers --version.
set -eu
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
for given in '' /opt/viewer; do
  prefix=${given:-/usr/local} && rm -rf "${dest:?}"/*
  # The make that runs this test must not lend its job server or flags.
  env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS make -s -C "$1" install BUILD_DIR="$2" \
    DESTDIR="$dest" ${given:+PREFIX="$given"} >&2
  found=$(cd "$dest" && find . ! -type d | sort | tr '\n' ' ')
  want=".$prefix/bin/viewer .$prefix/share/applications/viewer.desktop .$prefix/share/doc/viewer/changelog.gz"
  want="$want .$prefix/share/doc/viewer/copyright .$prefix/share/man/man1/viewer.1.gz"
  want="$want .$prefix/share/viewer/exercises/1-start-projection.script"
  want="$want .$prefix/share/viewer/exercises/2-hfov-and-aspect.script"
  want="$want .$prefix/share/viewer/exercises/3-translation-signs.script"
  want="$want .$prefix/share/viewer/exercises/4-degrees-and-radians.script"
  want="$want .$prefix/share/viewer/exercises/5-over-the-pole.script"
  want="$want .$prefix/share/viewer/exercises/6-traced-vertex.script"
  want="$want .$prefix/share/viewer/meshes/cut_cube.obj"
  want="$want .$prefix/share/viewer/meshes/letter_f.obj"
  want="$want .$prefix/share/viewer/meshes/torus.obj"
  want="$want .$prefix/share/viewer/tour.script "
  [ "$found" = "$want" ] || { echo "install_test: installed: $found" >&2; exit 1; }
  [ "$(env -u DISPLAY "$dest$prefix/bin/viewer" --version)" = "viewer $3" ] || { echo "install_test: --version" >&2; exit 1; }
done
