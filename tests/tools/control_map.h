#ifndef TESTS_TOOLS_CONTROL_MAP_H_
#define TESTS_TOOLS_CONTROL_MAP_H_

// Prints where the controls of the program's first panel window are, as the
// window lays them out, so that tests click controls by label instead of
// copying the layout rules. Output, one JSON object {"controls": [...]}, each
// {"label", "kind", "rect"}, kind one of panel, radio (one per button),
// checkbox, spinner (adds "field", "up", "down"), button. Rectangles are
// [x, y, w, h] in panel window pixels, origin top-left, y down. Call it after
// the panel is built; false when the program has no panel window.

#include <cstdio>

bool printControlMap(std::FILE* out);

#endif  // TESTS_TOOLS_CONTROL_MAP_H_
