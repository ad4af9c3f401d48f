#include "scene/window_limit.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include <algorithm>
#include <iostream>

namespace {

// Mesa's software driver reads a window's size from the X server only when
// it first meets the window and after a buffer swap. GLUT made the window
// current for the oversized reshape, so the driver still holds that size and
// would send the next frame at it, whatever the window has become since.
// Binding the context to a second GLX drawable of the same window for a
// moment makes GLX drop its record of the window; binding back builds a new
// one, which reads the size the window has now. GL state stays as it was:
// only a context's first binding sets its viewport.
void readWindowSizeAgain() {
  Display* display = glXGetCurrentDisplay();
  const GLXContext context = glXGetCurrentContext();
  const GLXDrawable window = glXGetCurrentDrawable();
  int configId = 0;
  int screen = 0;
  glXQueryContext(display, context, GLX_FBCONFIG_ID, &configId);
  glXQueryContext(display, context, GLX_SCREEN, &screen);
  const int attributes[] = {GLX_FBCONFIG_ID, configId, None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, screen, attributes, &count);
  if (configs == nullptr) return;
  const GLXWindow other = glXCreateWindow(display, configs[0], window, nullptr);
  XFree(configs);
  glXMakeContextCurrent(display, other, other, context);
  glXMakeContextCurrent(display, window, window, context);
  glXDestroyWindow(display, other);
}

}  // namespace

bool reshapeWithinLimit(WindowLimit& limit, int width, int height) {
  if (width <= kMaxWindowSide && height <= kMaxWindowSide) {
    if (limit.oversized) {
      limit.oversized = false;
      readWindowSizeAgain();
    }
    return true;
  }
  if (!limit.noted) {
    limit.noted = true;
    std::cerr << "viewer: the " << limit.name << " is limited to " << kMaxWindowSide << " x "
              << kMaxWindowSide << " pixels" << std::endl;
  }
  limit.oversized = true;
  glutReshapeWindow(std::min(width, kMaxWindowSide), std::min(height, kMaxWindowSide));
  return false;
}
