#ifndef TESTS_TOOLS_CONTROL_MAP_H_
#define TESTS_TOOLS_CONTROL_MAP_H_

// Prints where the controls of the program's first panel window are, as the
// window itself lays them out, so that tests click controls by their labels
// instead of keeping a copy of the layout rules.
//
// Output, one JSON object: {"width": W, "height": H, "controls": [...]}, each
// control {"label", "kind", "rect"} with kind one of panel, radio, checkbox,
// spinner, button; a radio group gives one entry per button. Spinners add
// "field", "up" and "down". Rectangles are [x, y, w, h] in window pixels of
// the panel window, origin at its top-left, y down.
//
// Call it after the panel is built, before the event loop; it returns false
// when the program has no panel window.

#include <cstdio>

bool printControlMap(std::FILE* out);

#endif  // TESTS_TOOLS_CONTROL_MAP_H_
