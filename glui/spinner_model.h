#ifndef GLUI_SPINNER_MODEL_H_
#define GLUI_SPINNER_MODEL_H_

// The value of a spinner and the arrow gesture that changes it. Pure state:
// no window, no live variable, no callback; the spinner control acts on the
// "changed" results.

#include <cstddef>
#include <string>

#include "glui/numeric_rules.h"

namespace glui_detail {

enum class SpinnerKind { Int, Float };

// What a typed text did to the value.
enum class Commit { Rejected, Unchanged, Changed };

// An int or float value with limits and a speed. Contract: for Int the stored
// value is always a whole number within int range; for Float it is always a
// float value. User changes (step, drag, text) go through the limits; values
// adopted from a live variable do not.
class SpinnerModel {
 public:
  static constexpr double kDragUnitsPerPixel = 0.25;  // at speed 1
  // Longest text commitText takes; longer text is refused, never cut.
  static constexpr std::size_t kMaxTextLength = 63;

  explicit SpinnerModel(SpinnerKind kind) : kind_(kind) {}

  SpinnerKind kind() const { return kind_; }
  int intValue() const;
  float floatValue() const;

  // Stores v through the limits (an int spinner truncates v toward zero);
  // NaN is ignored. Returns whether the stored value changed.
  bool set(double v);
  // Stores v as it is, without limits (a value the application wrote).
  void adopt(double v);
  // New limits, applied to the current value at once. Returns whether the
  // value changed.
  bool setLimits(LimitKind kind, double lo, double hi);
  // Speed scales arrow steps and drags; non-positive or non-finite speeds are
  // ignored.
  void setSpeed(float speed);

  // One arrow step up (+1) or down (-1): speed for a float spinner, the
  // speed rounded (at least 1) for an int spinner.
  bool step(int direction);
  // Continuous change from a drag of pixelsUp pixels (negative is down). An
  // int spinner keeps the fraction for the next drag event.
  bool drag(int pixelsUp);
  void resetDragFraction() { dragFraction_ = 0.0; }

  // Text typed into the field. Text equal to text() is Unchanged (so a field
  // left without real editing never rounds the value); text longer than
  // kMaxTextLength or not a valid number for this kind is Rejected and
  // changes nothing. A number of any size goes through the limits.
  Commit commitText(const std::string& text);
  std::string text() const;

 private:
  double toStored(double v) const;

  SpinnerKind kind_;
  double value_ = 0.0;
  Limits limits_;
  double speed_ = 1.0;
  double dragFraction_ = 0.0;
};

// Press, hold and drag on a spinner arrow, in window pixels (y down). A press
// is followed by one step (the caller's); while held without dragging the
// caller repeats steps on a timer; once the pointer has moved
// kDragThresholdPixels vertically from the press point the gesture becomes a
// drag, counted from the press point, and repeating stops.
class ArrowGesture {
 public:
  static constexpr int kDragThresholdPixels = 3;

  void press(int direction, int y);
  // Pixels moved up since the last call while dragging; 0 before the drag.
  int move(int y);
  void release() { held_ = false; }

  bool held() const { return held_; }
  bool dragging() const { return held_ && dragging_; }
  bool repeating() const { return held_ && !dragging_; }
  int direction() const { return direction_; }

 private:
  bool held_ = false;
  bool dragging_ = false;
  int direction_ = 0;
  int pressY_ = 0;
  int lastY_ = 0;
};

}  // namespace glui_detail

#endif  // GLUI_SPINNER_MODEL_H_
