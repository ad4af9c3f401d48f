#ifndef GLUI_LIVE_VAR_H_
#define GLUI_LIVE_VAR_H_

// A control's live variable: an application int or float that the control
// writes on every change and reads back when the application has changed it.

namespace glui_detail {

// Contract: points at an int, at a float, or at nothing (absent). It remembers
// the bits it last wrote or read, so a change made by the application is told
// apart from the control's own (bitwise, so -0.0 and NaN compare sensibly).
class LiveVar {
 public:
  LiveVar() = default;
  static LiveVar ofInt(int* p);
  static LiveVar ofFloat(float* p);

  bool present() const { return ptr_ != nullptr; }
  // The variable's value, widened to double; 0 when absent.
  double read() const;
  // Stores v converted to the variable's type; nothing when absent.
  void write(double v);
  // Whether the variable holds other bits than last written or read; a true
  // answer also remembers the new bits.
  bool takeOutsideChange();

 private:
  enum class Type { Int, Float };
  LiveVar(Type type, void* ptr);
  unsigned bits() const;

  Type type_ = Type::Int;
  void* ptr_ = nullptr;
  unsigned seen_ = 0;
};

}  // namespace glui_detail

#endif  // GLUI_LIVE_VAR_H_
