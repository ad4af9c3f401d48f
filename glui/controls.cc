#include "glui/glui.h"

#include "glui/user_actions.h"

using glui_detail::LiveVar;
using glui_detail::SpinnerKind;

void GLUI_CB::operator()(GLUI_Control* control) const {
  if (idCb_) {
    idCb_(control ? control->get_id() : -1);
  } else if (controlCb_) {
    controlCb_(control);
  }
}

GLUI_Control::GLUI_Control(GLUI& glui, const char* name, int id, GLUI_CB callback, LiveVar live)
    : glui_(glui), name_(name ? name : ""), id_(id), callback_(callback), live_(live) {}

void GLUI_Control::set_int_val(int) {}
void GLUI_Control::set_float_val(float) {}

void GLUI_Control::takeInitialLive() {
  if (live_.present()) adoptLive(live_.read());
}

void GLUI_Control::programChanged() {
  live_.write(liveValue());
  glui_.announceProgramChange();
}

void GLUI_Control::userChanged() {
  live_.write(liveValue());
  glui_.announceUserChange(*this, live_.present(), callback_);
}

bool GLUI_Control::syncLive() {
  if (!live_.takeOutsideChange()) return false;
  adoptLive(live_.read());
  return true;
}

GLUI_Panel::GLUI_Panel(GLUI& glui, const char* name, int type)
    : GLUI_Control(glui, name, -1, GLUI_CB()), type_(type) {}

namespace glui_detail {

IntControl::IntControl(GLUI& glui, const char* name, int* live, int id, GLUI_CB callback)
    : GLUI_Control(glui, name, id, callback, live ? LiveVar::ofInt(live) : LiveVar()) {
  takeInitialLive();
}

void IntControl::set_int_val(int value) {
  value_ = value;
  programChanged();
}

}  // namespace glui_detail

GLUI_RadioGroup::GLUI_RadioGroup(GLUI& glui, int* live, int id, GLUI_CB callback)
    : IntControl(glui, "", live, id, callback) {}

void GLUI_RadioGroup::userSelect(int index) {
  if (index == value_) return;
  value_ = index;
  userChanged();
}

GLUI_RadioButton::GLUI_RadioButton(GLUI& glui, GLUI_RadioGroup& group, const char* name, int index)
    : GLUI_Control(glui, name, -1, GLUI_CB()), group_(group), index_(index) {}

void GLUI_RadioButton::set_int_val(int value) {
  if (value != 0) group_.set_int_val(index_);
}

int GLUI_RadioButton::get_int_val() const { return group_.get_int_val() == index_ ? 1 : 0; }

GLUI_Checkbox::GLUI_Checkbox(GLUI& glui, const char* name, int* live, int id, GLUI_CB callback)
    : IntControl(glui, name, live, id, callback) {}

void GLUI_Checkbox::userToggle() {
  value_ = value_ != 0 ? 0 : 1;
  userChanged();
}

namespace {

SpinnerKind spinnerKind(int dataType) {
  return dataType == GLUI_SPINNER_FLOAT ? SpinnerKind::Float : SpinnerKind::Int;
}

LiveVar spinnerLive(int dataType, void* live) {
  if (!live) return LiveVar();
  if (spinnerKind(dataType) == SpinnerKind::Float) {
    return LiveVar::ofFloat(static_cast<float*>(live));
  }
  return LiveVar::ofInt(static_cast<int*>(live));
}

glui_detail::LimitKind limitKind(int limitType) {
  if (limitType == GLUI_LIMIT_CLAMP) return glui_detail::LimitKind::Clamp;
  if (limitType == GLUI_LIMIT_WRAP) return glui_detail::LimitKind::Wrap;
  return glui_detail::LimitKind::None;
}

}  // namespace

GLUI_Spinner::GLUI_Spinner(GLUI& glui, const char* name, int data_type, void* live, int id,
                           GLUI_CB callback)
    : GLUI_Control(glui, name, id, callback, spinnerLive(data_type, live)),
      model_(spinnerKind(data_type)) {
  takeInitialLive();
}

double GLUI_Spinner::liveValue() const {
  if (model_.kind() == SpinnerKind::Float) return model_.floatValue();
  return model_.intValue();
}

void GLUI_Spinner::set_int_val(int value) {
  model_.set(value);
  programChanged();
}

void GLUI_Spinner::set_float_val(float value) {
  model_.set(value);
  programChanged();
}

void GLUI_Spinner::set_int_limits(int low, int high, int limit_type) {
  setLimits(limit_type, low, high);
}

void GLUI_Spinner::set_float_limits(float low, float high, int limit_type) {
  setLimits(limit_type, low, high);
}

void GLUI_Spinner::setLimits(int limitType, double low, double high) {
  if (model_.setLimits(limitKind(limitType), low, high)) programChanged();
}

GLUI_Button::GLUI_Button(GLUI& glui, const char* name, int id, GLUI_CB callback)
    : GLUI_Control(glui, name, id, callback) {}
