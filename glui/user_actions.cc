#include "glui/user_actions.h"

namespace glui_detail {

GLUI_Panel& UserActions::top(GLUI& glui) { return *glui.top_; }

const std::vector<GLUI_Control*>& UserActions::children(const GLUI_Panel& panel) {
  return panel.children_;
}

const std::vector<GLUI_RadioButton*>& UserActions::buttons(const GLUI_RadioGroup& group) {
  return group.buttons_;
}

void UserActions::attach(GLUI& glui, PanelHost* host, int windowId) {
  glui.host_ = host;
  glui.windowId_ = windowId;
}

bool UserActions::syncLive(GLUI& glui) {
  bool changed = false;
  for (const auto& control : glui.controls_) changed |= control->syncLive();
  return changed;
}

void UserActions::select(GLUI_RadioGroup& group, int index) { group.userSelect(index); }

void UserActions::toggle(GLUI_Checkbox& box) { box.userToggle(); }

void UserActions::press(GLUI_Button& button) { button.userChanged(); }

void UserActions::arrowPress(GLUI_Spinner& spinner, int direction, int y) {
  spinner.gesture_.press(direction, y);
  spinner.model_.resetDragFraction();
  if (spinner.model_.step(direction)) spinner.userChanged();
}

void UserActions::arrowMove(GLUI_Spinner& spinner, int y) {
  const int up = spinner.gesture_.move(y);
  if (up != 0 && spinner.model_.drag(up)) spinner.userChanged();
}

bool UserActions::arrowRepeat(GLUI_Spinner& spinner) {
  if (!spinner.gesture_.repeating()) return false;
  if (spinner.model_.step(spinner.gesture_.direction())) spinner.userChanged();
  // The callback may have changed anything, the gesture included.
  return spinner.gesture_.repeating();
}

void UserActions::arrowRelease(GLUI_Spinner& spinner) { spinner.gesture_.release(); }

Commit UserActions::commitText(GLUI_Spinner& spinner, const std::string& text) {
  const Commit result = spinner.model_.commitText(text);
  if (result == Commit::Changed) spinner.userChanged();
  return result;
}

std::string UserActions::fieldText(const GLUI_Spinner& spinner) { return spinner.model_.text(); }

}  // namespace glui_detail
