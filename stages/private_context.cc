// Glue: the trace's private GLX context. Makes it once, switches to it and
// back. Does not draw or read anything itself.

#include "stages/private_context.h"

#include <GL/glx.h>

namespace {

Display* contextDisplay = nullptr;
GLXContext context = nullptr;
GLXPbuffer pbuffer = 0;
bool tried = false;  // a display without pbuffers is asked once

bool makeContext(Display* display) {
  const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                            None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
  if (configs == nullptr) return false;
  if (count > 0) {
    const int size[] = {GLX_PBUFFER_WIDTH, 1, GLX_PBUFFER_HEIGHT, 1, None};
    pbuffer = glXCreatePbuffer(display, configs[0], size);
    // Shares nothing with the windows' contexts.
    context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
  }
  XFree(configs);
  if (pbuffer == 0 || context == nullptr) return false;
  contextDisplay = display;
  return true;
}

}  // namespace

bool runInPrivateContext(PrivateContextWork work, void* data) {
  Display* display = glXGetCurrentDisplay();
  const GLXContext previous = glXGetCurrentContext();
  const GLXDrawable previousDraw = glXGetCurrentDrawable();
  const GLXDrawable previousRead = glXGetCurrentReadDrawable();
  if (display == nullptr || previous == nullptr) return false;
  if (!tried) {
    tried = true;
    makeContext(display);
  }
  if (context == nullptr || pbuffer == 0) return false;
  if (display != contextDisplay) return false;
  if (!glXMakeContextCurrent(display, pbuffer, pbuffer, context)) return false;
  work(data);
  glXMakeContextCurrent(display, previousDraw, previousRead, previous);
  return true;
}
