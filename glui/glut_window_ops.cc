// Glue: the controls' window calls (current window, switching, posting a
// redisplay) on freeglut. It creates no window and handles no events.

#include <GL/freeglut.h>

#include "glui/window_ops.h"

namespace glui_detail {

namespace {

class GlutWindowOps : public WindowOps {
 public:
  int current() override { return glutGetWindow(); }
  void setCurrent(int window) override { glutSetWindow(window); }
  void postRedisplay(int window) override { glutPostWindowRedisplay(window); }
};

}  // namespace

WindowOps& glutWindowOps() {
  static GlutWindowOps ops;
  return ops;
}

}  // namespace glui_detail
