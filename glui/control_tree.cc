#include "glui/control_tree.h"

#include "glui/user_actions.h"

namespace glui_detail {

namespace {

PanelFrame frameOf(int panelType) {
  if (panelType == GLUI_PANEL_NONE) return PanelFrame::None;
  if (panelType == GLUI_PANEL_RAISED) return PanelFrame::Unlabelled;
  return PanelFrame::Labelled;
}

LayoutItem itemOf(GLUI_Control& control, const TextWidth& textWidth) {
  LayoutItem item;
  item.control = &control;
  if (auto* panel = dynamic_cast<GLUI_Panel*>(&control)) {
    item.isPanel = true;
    item.frame = frameOf(panel->get_type());
    item.labelWidth = textWidth(panel->get_name());
    for (GLUI_Control* child : UserActions::children(*panel)) {
      item.children.push_back(itemOf(*child, textWidth));
    }
  } else if (auto* group = dynamic_cast<GLUI_RadioGroup*>(&control)) {
    for (GLUI_RadioButton* b : UserActions::buttons(*group)) {
      item.rowWidths.push_back(checkboxWidth(textWidth(b->get_name())));
    }
  } else if (dynamic_cast<GLUI_Checkbox*>(&control)) {
    item.rowWidths.push_back(checkboxWidth(textWidth(control.get_name())));
  } else if (dynamic_cast<GLUI_Spinner*>(&control)) {
    item.labelWidth = textWidth(control.get_name());
    item.rowWidths.push_back(spinnerWidth(item.labelWidth));
  } else if (dynamic_cast<GLUI_Button*>(&control)) {
    item.rowWidths.push_back(buttonWidth(textWidth(control.get_name())));
  }
  return item;
}

}  // namespace

LayoutItem layoutOf(GLUI& glui, const TextWidth& textWidth) {
  return itemOf(UserActions::top(glui), textWidth);
}

GLUI_Control& controlOf(const LayoutItem& item) { return *item.control; }

}  // namespace glui_detail
