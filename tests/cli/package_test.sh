#!/bin/sh
# package_test.sh BUILD_DIR VERSION: CPack's Debian package of the build tree
# (what `make deb` makes) holds exactly the program, its manual page, desktop
# entry, tour script, exercises, meshes, copyright and changelog under /usr; its Depends: line
# names the runtime libraries the program links; and unpacked into a
# throwaway root, the program runs and its manual page has its SCRIPTS.
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }
(cd "$1" && cpack -G DEB -B "$tmp/out" >&2)
deb=$tmp/out/viewer_$2_$(dpkg --print-architecture).deb
found=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort | tr '\n' ' ')
want="./usr/bin/viewer ./usr/share/applications/viewer.desktop ./usr/share/doc/viewer/changelog.gz"
want="$want ./usr/share/doc/viewer/copyright ./usr/share/man/man1/viewer.1.gz"
want="$want ./usr/share/viewer/exercises/1-start-projection.script"
want="$want ./usr/share/viewer/exercises/2-hfov-and-aspect.script"
want="$want ./usr/share/viewer/exercises/3-translation-signs.script"
want="$want ./usr/share/viewer/exercises/4-degrees-and-radians.script"
want="$want ./usr/share/viewer/exercises/5-over-the-pole.script"
want="$want ./usr/share/viewer/exercises/6-traced-vertex.script"
want="$want ./usr/share/viewer/meshes/cut_cube.obj"
want="$want ./usr/share/viewer/meshes/letter_f.obj"
want="$want ./usr/share/viewer/meshes/torus.obj"
want="$want ./usr/share/viewer/tour.script "
[ "$found" = "$want" ] || fail "the package holds: $found"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libglut3.12 libglu1-mesa libopengl0 libglx0 libx11-6 libxcomposite1 libstdc++6; do
  echo "$depends" | grep -q "\\b$library\\b" || fail "Depends: lacks $library: $depends"
done
dpkg-deb -x "$deb" "$tmp/root"
[ "$(env -u DISPLAY "$tmp/root/usr/bin/viewer" --version)" = "viewer $2" ] || fail "--version"
zcat "$tmp/root/usr/share/man/man1/viewer.1.gz" | grep -q '^\.SH SCRIPTS$' || fail "no SCRIPTS"
