#include "glui/glui_ext.h"

#include <cstring>

#include "glui/control_tree.h"
#include "glui/panel_window.h"
#include "glui/user_actions.h"

namespace glui_ext {
namespace {

using glui_detail::LayoutItem;
using glui_detail::UserActions;

bool findIn(const GLUI_Panel& panel, const char* label, FoundControl& found) {
  for (GLUI_Control* child : UserActions::children(panel)) {
    if (std::strcmp(child->get_name(), label) == 0) {
      found.control = child;
      return true;
    }
    if (auto* inner = dynamic_cast<GLUI_Panel*>(child)) {
      if (findIn(*inner, label, found)) return true;
    } else if (auto* group = dynamic_cast<GLUI_RadioGroup*>(child)) {
      const auto& buttons = UserActions::buttons(*group);
      for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (std::strcmp(buttons[i]->get_name(), label) == 0) {
          found = FoundControl{buttons[i], group, static_cast<int>(i)};
          return true;
        }
      }
    }
  }
  return false;
}

void placesOf(const LayoutItem& item, std::vector<ControlPlace>& places) {
  GLUI_Control& control = glui_detail::controlOf(item);
  if (item.isPanel) {
    places.push_back(ControlPlace{control.get_name(), ControlKind::Panel, item.rect, {}, {}, {}});
    for (const LayoutItem& child : item.children) placesOf(child, places);
    return;
  }
  const Rect row = glui_detail::rowRect(item, 0);
  if (auto* group = dynamic_cast<GLUI_RadioGroup*>(&control)) {
    const auto& buttons = UserActions::buttons(*group);
    for (std::size_t i = 0; i < item.rowWidths.size(); ++i) {
      places.push_back(ControlPlace{buttons[i]->get_name(),
                                    ControlKind::Radio,
                                    glui_detail::rowRect(item, static_cast<int>(i)),
                                    {},
                                    {},
                                    {}});
    }
  } else if (dynamic_cast<GLUI_Spinner*>(&control)) {
    const auto parts = glui_detail::spinnerParts(row, item.labelWidth);
    places.push_back(ControlPlace{control.get_name(), ControlKind::Spinner, row, parts.field,
                                  parts.up, parts.down});
  } else {
    const ControlKind kind =
        dynamic_cast<GLUI_Checkbox*>(&control) ? ControlKind::Checkbox : ControlKind::Button;
    places.push_back(ControlPlace{control.get_name(), kind, row, {}, {}, {}});
  }
}

}  // namespace

void select(GLUI_RadioGroup& group, int index) { UserActions::select(group, index); }

void toggle(GLUI_Checkbox& box) { UserActions::toggle(box); }

void press(GLUI_Button& button) { UserActions::press(button); }

Commit commitText(GLUI_Spinner& spinner, const std::string& text) {
  return UserActions::commitText(spinner, text);
}

bool takeOverLiveValues(GLUI& glui) { return UserActions::syncLive(glui); }

FoundControl findByLabel(GLUI& glui, const char* label) {
  FoundControl found;
  findIn(UserActions::top(glui), label, found);
  return found;
}

Point placeBeside(const Rect& window, int border) {
  return glui_detail::placeBeside(window, border);
}

std::vector<ControlPlace> controlPlaces(int panelWindow) {
  std::vector<ControlPlace> places;
  const auto* panel = glui_detail::PanelWindow::ofWindow(panelWindow);
  if (panel == nullptr) return places;
  LayoutItem laidOut = panel->layout();
  glui_detail::layoutWindow(laidOut);  // places the items
  placesOf(laidOut, places);
  return places;
}

}  // namespace glui_ext
