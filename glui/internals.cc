#include "glui/internals.h"

namespace glui_detail {

GLUI_Panel& Internals::top(GLUI& glui) { return *glui.top_; }

const std::vector<GLUI_Control*>& Internals::children(const GLUI_Panel& panel) {
  return panel.children_;
}

const std::vector<GLUI_RadioButton*>& Internals::buttons(const GLUI_RadioGroup& group) {
  return group.buttons_;
}

void Internals::attach(GLUI& glui, PanelHost* host, int windowId) {
  glui.host_ = host;
  glui.windowId_ = windowId;
}

bool Internals::syncLive(GLUI& glui) {
  bool changed = false;
  for (const auto& control : glui.controls_) changed |= control->syncLive();
  return changed;
}

void Internals::select(GLUI_RadioGroup& group, int index) { group.userSelect(index); }

void Internals::toggle(GLUI_Checkbox& box) { box.userToggle(); }

void Internals::press(GLUI_Button& button) { button.userChanged(); }

void Internals::arrowPress(GLUI_Spinner& spinner, int direction, int y) {
  spinner.gesture_.press(direction, y);
  spinner.model_.resetDragFraction();
  if (spinner.model_.step(direction)) spinner.userChanged();
}

void Internals::arrowMove(GLUI_Spinner& spinner, int y) {
  const int up = spinner.gesture_.move(y);
  if (up != 0 && spinner.model_.drag(up)) spinner.userChanged();
}

bool Internals::arrowRepeat(GLUI_Spinner& spinner) {
  if (!spinner.gesture_.repeating()) return false;
  if (spinner.model_.step(spinner.gesture_.direction())) spinner.userChanged();
  // The callback may have changed anything, the gesture included.
  return spinner.gesture_.repeating();
}

void Internals::arrowRelease(GLUI_Spinner& spinner) { spinner.gesture_.release(); }

Commit Internals::commitText(GLUI_Spinner& spinner, const std::string& text) {
  const Commit result = spinner.model_.commitText(text);
  if (result == Commit::Changed) spinner.userChanged();
  return result;
}

std::string Internals::fieldText(const GLUI_Spinner& spinner) { return spinner.model_.text(); }

}  // namespace glui_detail
