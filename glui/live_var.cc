#include "glui/live_var.h"

#include <cstring>

namespace glui_detail {

static_assert(sizeof(int) == sizeof(unsigned) && sizeof(float) == sizeof(unsigned),
              "live variables are compared as 32-bit patterns");

LiveVar::LiveVar(Type type, void* ptr) : type_(type), ptr_(ptr) { seen_ = bits(); }

LiveVar LiveVar::ofInt(int* p) { return LiveVar(Type::Int, p); }
LiveVar LiveVar::ofFloat(float* p) { return LiveVar(Type::Float, p); }

unsigned LiveVar::bits() const {
  unsigned b = 0;
  if (ptr_) std::memcpy(&b, ptr_, sizeof b);
  return b;
}

double LiveVar::read() const {
  if (!ptr_) return 0.0;
  if (type_ == Type::Int) return *static_cast<int*>(ptr_);
  return *static_cast<float*>(ptr_);
}

void LiveVar::write(double v) {
  if (!ptr_) return;
  if (type_ == Type::Int) {
    *static_cast<int*>(ptr_) = static_cast<int>(v);
  } else {
    *static_cast<float*>(ptr_) = static_cast<float>(v);
  }
  seen_ = bits();
}

bool LiveVar::takeOutsideChange() {
  const unsigned now = bits();
  if (now == seen_) return false;
  seen_ = now;
  return true;
}

}  // namespace glui_detail
