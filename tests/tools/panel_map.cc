// Builds the viewer's windows exactly as start-up does, prints where the
// panel's controls are, as the toolkit lays them out, and exits without
// entering the event loop: tests click controls by label instead of copying
// the layout rules. Output, one JSON object {"controls": [...]}, each
// {"label", "rect"}, spinners with "field", "up" and "down" as well.
// Rectangles are [x, y, w, h] in panel window pixels, origin top-left, y down.
#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/panel.h"
#include "app/startup.h"
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

// Labels are the viewer's own and hold no '"' or '\', so they go in as they are.
std::string entry(const ControlPlace& place) {
  std::string text = "\n  {\"label\": \"" + place.label + "\", \"rect\": " + rect(place.rect);
  if (place.kind == ControlKind::Spinner) {
    text += ", \"field\": " + rect(place.field) + ", \"up\": " + rect(place.up) +
            ", \"down\": " + rect(place.down);
  }
  return text + "}";
}

}  // namespace

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  startViewer();
  const std::vector<ControlPlace> places = glui_ext::controlPlaces(controlPanelWindow());
  if (places.empty()) return 1;
  std::string controls = "[";
  for (const ControlPlace& place : places) {
    if (controls.back() != '[') controls += ",";
    controls += entry(place);
  }
  return std::printf("{\"controls\": %s\n]}\n", controls.c_str()) > 0 ? 0 : 1;
}
