#ifndef GLUI_PANEL_LAYOUT_H_
#define GLUI_PANEL_LAYOUT_H_

// The layout tree of a GLUI's controls (see glui/layout.h for the rules).

#include <functional>

#include "glui/glui.h"
#include "glui/layout.h"

namespace glui_detail {

// Width in pixels of a text drawn in the panel's font.
using TextWidth = std::function<int(const char* text)>;

// One item per panel and per control, in the order added; each item's tag is
// its GLUI_Control. Radio buttons are rows of their group's item.
LayoutItem layoutOf(GLUI& glui, const TextWidth& textWidth);

// The control an item draws.
GLUI_Control& controlOf(const LayoutItem& item);

}  // namespace glui_detail

#endif  // GLUI_PANEL_LAYOUT_H_
