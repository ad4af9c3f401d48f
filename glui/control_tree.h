#ifndef GLUI_CONTROL_TREE_H_
#define GLUI_CONTROL_TREE_H_

// The tree of a GLUI's controls, turned into layout items for the geometry
// rules of glui/geometry.h.

#include <functional>

#include "glui/glui.h"
#include "glui/geometry.h"

namespace glui_detail {

// Width in pixels of a text drawn in the panel's font.
using TextWidth = std::function<int(const char* text)>;

// One item per panel and per control, in the order added; each item's
// control is the GLUI_Control it draws. Radio buttons are rows of their group's item.
LayoutItem layoutOf(GLUI& glui, const TextWidth& textWidth);

// The control an item draws.
GLUI_Control& controlOf(const LayoutItem& item);

}  // namespace glui_detail

#endif  // GLUI_CONTROL_TREE_H_
