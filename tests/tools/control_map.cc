#include "tests/tools/control_map.h"

#include <cstdio>
#include <string>
#include <vector>

#include "glui/glui_ext.h"

namespace {

using glui_ext::ControlKind;
using glui_ext::ControlPlace;
using glui_ext::Rect;

std::string rect(const Rect& r) {
  char text[64];
  std::snprintf(text, sizeof text, "[%d, %d, %d, %d]", r.x, r.y, r.w, r.h);
  return text;
}

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Panel:
      return "panel";
    case ControlKind::Radio:
      return "radio";
    case ControlKind::Checkbox:
      return "checkbox";
    case ControlKind::Spinner:
      return "spinner";
    case ControlKind::Button:
      return "button";
  }
  return "";
}

// Labels are the programs' own and hold no '"' or '\', so they go in as they are.
std::string entry(const ControlPlace& place) {
  std::string text = "\n  {\"label\": \"" + place.label + "\", \"kind\": \"" +
                     kindName(place.kind) + "\", \"rect\": " + rect(place.rect);
  if (place.kind == ControlKind::Spinner) {
    text += ", \"field\": " + rect(place.field) + ", \"up\": " + rect(place.up) +
            ", \"down\": " + rect(place.down);
  }
  return text + "}";
}

}  // namespace

bool printControlMap(std::FILE* out) {
  for (int window = 1; window <= 64; ++window) {  // GLUT numbers windows from 1; tests have few
    const std::vector<ControlPlace> places = glui_ext::controlPlaces(window);
    if (places.empty()) continue;
    std::string controls = "[";
    for (const ControlPlace& place : places) {
      if (controls.back() != '[') controls += ",";
      controls += entry(place);
    }
    return std::fprintf(out, "{\"controls\": %s\n]}\n", controls.c_str()) > 0;
  }
  return false;
}
