#!/bin/sh
# link_lines.sh BUILD_DIR: the layering as the linker sees it, read from each
# target's link command (CMakeFiles/*.dir/link.txt, as the Unix Makefiles
# generator writes it): no library twice on a link line, and the maths tests
# link no GL, GLUT, ImGui or panel toolkit.
set -eu
status=0
fail() { echo "link_lines: $*" >&2; status=1; }
for file in $(find "$1" -path '*/CMakeFiles/*.dir/link.txt'); do
  case "$(head -n 1 "$file")" in */ar\ *) continue ;; esac   # an archive's, not a link
  twice=$(tr ' ' '\n' <"$file" | grep -E '\.(a|so)$|^-l' | sort | uniq -d | tr '\n' ' ')
  [ -z "$twice" ] || fail "twice in $file: $twice"
done
for test in camera_maths_test corvane_maths_test world_maths_test inspect_text_test options_test \
  script_test; do
  file=$(find "$1" -path "*/CMakeFiles/$test.dir/link.txt")
  [ -n "$file" ] || { fail "$test: no link command"; continue; }
  ! grep -qE '(^| |/)lib(GL|GLU|GLX|OpenGL|glut|imgui|glui)\.(so|a)' "$file" ||
    fail "$test links GL, GLUT, ImGui or the toolkit"
done
exit $status
