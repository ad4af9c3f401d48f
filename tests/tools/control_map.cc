#include "tests/tools/control_map.h"

#include <cstdio>
#include <string>

#include "glui/control_tree.h"
#include "glui/geometry.h"
#include "glui/glui.h"
#include "glui/panel_window.h"
#include "glui/user_actions.h"

namespace {

using glui_detail::LayoutItem;
using glui_detail::Rect;
std::string rect(const Rect& r) {
  char text[64];
  std::snprintf(text, sizeof text, "[%d, %d, %d, %d]", r.x, r.y, r.w, r.h);
  return text;
}

// Labels are the programs' own and hold no '"' or '\', so they go in as they are.
void entry(std::string& out, const char* label, const char* kind, const Rect& r,
           const std::string& extra = "") {
  if (out.back() != '[') out += ",";
  out += std::string("\n  {\"label\": \"") + label + "\", \"kind\": \"" + kind +
         "\", \"rect\": " + rect(r) + extra + "}";
}

void walk(const LayoutItem& item, std::string& out) {
  GLUI_Control& control = glui_detail::controlOf(item);
  const Rect row = item.isPanel ? item.rect : glui_detail::rowRect(item, 0);
  if (item.isPanel) {
    entry(out, control.get_name(), "panel", row);
    for (const LayoutItem& child : item.children) walk(child, out);
  } else if (auto* group = dynamic_cast<GLUI_RadioGroup*>(&control)) {
    for (int i = 0; i < static_cast<int>(item.rowWidths.size()); ++i) {
      entry(out, glui_detail::UserActions::buttons(*group)[i]->get_name(), "radio",
            glui_detail::rowRect(item, i));
    }
  } else if (dynamic_cast<GLUI_Spinner*>(&control)) {
    const auto parts = glui_detail::spinnerParts(row, item.labelWidth);
    entry(out, control.get_name(), "spinner", row,
          ", \"field\": " + rect(parts.field) + ", \"up\": " + rect(parts.up) +
              ", \"down\": " + rect(parts.down));
  } else {
    entry(out, control.get_name(), dynamic_cast<GLUI_Checkbox*>(&control) ? "checkbox" : "button",
          row);
  }
}

}  // namespace

bool printControlMap(std::FILE* out) {
  for (int window = 1; window <= 64; ++window) {  // GLUT numbers windows from 1; tests have few
    if (const auto* panel = glui_detail::PanelWindow::ofWindow(window)) {
      LayoutItem laidOut = panel->layout();
      glui_detail::layoutWindow(laidOut);  // places the items
      std::string controls = "[";
      walk(laidOut, controls);
      return std::fprintf(out, "{\"controls\": %s\n]}\n", controls.c_str()) > 0;
    }
  }
  return false;
}
