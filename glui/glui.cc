#include "glui/glui.h"

#include "glui/user_actions.h"
#include "glui/window_seams.h"

GLUI::GLUI(const char* name, glui_detail::WindowOps* ops)
    : name_(name ? name : ""), ops_(ops ? ops : &glui_detail::glutWindowOps()) {
  top_ = new GLUI_Panel(*this, "", GLUI_PANEL_NONE);
  controls_.emplace_back(top_);
}

GLUI::~GLUI() = default;

template <typename T, typename... Args>
T* GLUI::adopt(GLUI_Panel* parent, Args&&... args) {
  T* control = new T(*this, std::forward<Args>(args)...);
  controls_.emplace_back(control);
  if (parent) parent->children_.push_back(control);
  if (host_) host_->controlsChanged();
  return control;
}

GLUI_Panel* GLUI::add_panel(const char* name, int type) {
  return add_panel_to_panel(nullptr, name, type);
}

GLUI_Panel* GLUI::add_panel_to_panel(GLUI_Panel* parent, const char* name, int type) {
  return adopt<GLUI_Panel>(parent ? parent : top_, name, type);
}

GLUI_RadioGroup* GLUI::add_radiogroup(int* live_var, int user_id, GLUI_CB callback) {
  return add_radiogroup_to_panel(nullptr, live_var, user_id, callback);
}

GLUI_RadioGroup* GLUI::add_radiogroup_to_panel(GLUI_Panel* panel, int* live_var, int user_id,
                                               GLUI_CB callback) {
  return adopt<GLUI_RadioGroup>(panel ? panel : top_, live_var, user_id, callback);
}

GLUI_RadioButton* GLUI::add_radiobutton_to_group(GLUI_RadioGroup* group, const char* name) {
  if (!group) return nullptr;
  const int index = static_cast<int>(group->buttons_.size());
  // Registered with the group before the window refits, so the new row counts.
  auto* button = new GLUI_RadioButton(*this, *group, name, index);
  controls_.emplace_back(button);
  group->buttons_.push_back(button);
  if (host_) host_->controlsChanged();
  return button;
}

GLUI_Checkbox* GLUI::add_checkbox(const char* name, int* live_var, int id, GLUI_CB callback) {
  return add_checkbox_to_panel(nullptr, name, live_var, id, callback);
}

GLUI_Checkbox* GLUI::add_checkbox_to_panel(GLUI_Panel* panel, const char* name, int* live_var,
                                           int id, GLUI_CB callback) {
  return adopt<GLUI_Checkbox>(panel ? panel : top_, name, live_var, id, callback);
}

GLUI_Spinner* GLUI::add_spinner(const char* name, int data_type, void* live_var, int id,
                                GLUI_CB callback) {
  return add_spinner_to_panel(nullptr, name, data_type, live_var, id, callback);
}

GLUI_Spinner* GLUI::add_spinner_to_panel(GLUI_Panel* panel, const char* name, int data_type,
                                         void* live_var, int id, GLUI_CB callback) {
  return adopt<GLUI_Spinner>(panel ? panel : top_, name, data_type, live_var, id, callback);
}

GLUI_Button* GLUI::add_button(const char* name, int id, GLUI_CB callback) {
  return add_button_to_panel(nullptr, name, id, callback);
}

GLUI_Button* GLUI::add_button_to_panel(GLUI_Panel* panel, const char* name, int id,
                                       GLUI_CB callback) {
  return adopt<GLUI_Button>(panel ? panel : top_, name, id, callback);
}

void GLUI::set_main_gfx_window(int window_id) {
  mainWindow_ = window_id;
  if (host_) host_->mainWindowChanged(window_id);
}

void GLUI::sync_live() {
  if (glui_detail::UserActions::syncLive(*this) && host_) host_->valuesChanged();
}

void GLUI::announceProgramChange() {
  if (mainWindow_ > 0) ops_->postRedisplay(mainWindow_);
  if (host_) host_->valuesChanged();
}

void GLUI::announceUserChange(GLUI_Control& control, bool liveWritten, const GLUI_CB& callback) {
  // Only a changed live variable can change the picture by itself; a button's
  // callback asks for its own redisplay when it needs one.
  if (liveWritten && mainWindow_ > 0) ops_->postRedisplay(mainWindow_);
  if (host_) host_->valuesChanged();
  if (!callback) return;
  const int previous = ops_->current();
  if (mainWindow_ > 0) ops_->setCurrent(mainWindow_);
  callback(&control);
  if (mainWindow_ > 0 && previous > 0) ops_->setCurrent(previous);
}
