#include "glui/spinner_model.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace glui_detail {

int SpinnerModel::intValue() const {
  if (kind_ == SpinnerKind::Int) return static_cast<int>(value_);
  if (std::isnan(value_)) return 0;
  const double t = std::trunc(value_);
  if (t < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (t > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(t);
}

float SpinnerModel::floatValue() const { return static_cast<float>(value_); }

double SpinnerModel::toStored(double v) const {
  if (kind_ == SpinnerKind::Float) return narrowToFloat(v);
  if (std::isnan(v)) return 0.0;
  const double t = std::trunc(v);
  if (t < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (t > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return t;
}

bool SpinnerModel::set(double v) {
  // NaN would slip through every limit comparison.
  if (std::isnan(v)) return false;
  // The limits are whole numbers for an int spinner and floats for a float
  // spinner, so the limited value needs no second rounding.
  const double next = applyLimits(toStored(v), limits_);
  const bool changed = next != value_;
  value_ = next;
  return changed;
}

void SpinnerModel::adopt(double v) { value_ = toStored(v); }

bool SpinnerModel::setLimits(LimitKind kind, double lo, double hi) {
  limits_ = makeLimits(kind, toStored(lo), toStored(hi));
  return set(value_);
}

void SpinnerModel::setSpeed(float speed) {
  if (std::isfinite(speed) && speed > 0.0f) speed_ = speed;
}

bool SpinnerModel::step(int direction) {
  double amount = speed_;
  if (kind_ == SpinnerKind::Int) amount = std::fmax(1.0, std::round(speed_));
  return set(value_ + direction * amount);
}

bool SpinnerModel::drag(int pixelsUp) {
  double amount = dragFraction_ + pixelsUp * speed_ * kDragUnitsPerPixel;
  if (kind_ == SpinnerKind::Int) {
    const double whole = std::trunc(amount);
    dragFraction_ = amount - whole;
    amount = whole;
  }
  if (amount == 0.0) return false;
  return set(value_ + amount);
}

Commit SpinnerModel::commitText(const std::string& text) {
  if (text == this->text()) return Commit::Unchanged;
  if (text.size() > kMaxTextLength) return Commit::Rejected;
  double parsed = 0.0;
  if (kind_ == SpinnerKind::Int) {
    const std::optional<int> v = parseIntText(text);
    if (!v) return Commit::Rejected;
    parsed = *v;
  } else {
    const std::optional<float> v = parseFloatText(text);
    if (!v) return Commit::Rejected;
    parsed = *v;
  }
  return set(parsed) ? Commit::Changed : Commit::Unchanged;
}

std::string SpinnerModel::text() const {
  return kind_ == SpinnerKind::Int ? formatInt(intValue()) : formatFloat(floatValue());
}

void ArrowGesture::press(int direction, int y) {
  held_ = true;
  dragging_ = false;
  direction_ = direction;
  pressY_ = y;
  lastY_ = y;
}

int ArrowGesture::move(int y) {
  if (!held_) return 0;
  if (!dragging_) {
    if (std::abs(y - pressY_) < kDragThresholdPixels) return 0;
    dragging_ = true;
    lastY_ = pressY_;
  }
  const int up = lastY_ - y;
  lastY_ = y;
  return up;
}

}  // namespace glui_detail
