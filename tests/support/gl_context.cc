#include "tests/support/gl_context.h"

#include <gtest/gtest.h>  // before Xlib.h, whose macros break it
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdlib>

#include "tests/support/window_close.h"

namespace testsupport {

void initGlut() {
  if (glutGet(GLUT_INIT_STATE)) return;
  const char* display = std::getenv("DISPLAY");
  ASSERT_TRUE(display != nullptr && display[0] != '\0') << "GL tests need `make test`'s display";
  int argc = 1;
  char name[] = "gl-test", *argv[] = {name, nullptr};
  glutInit(&argc, argv);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
}

int createGlWindow(const char* title, int width, int height, bool visible) {
  initGlut();
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
  glutInitWindowPosition(0, 0);
  glutInitWindowSize(width, height);
  const int id = glutCreateWindow(title);
  if (!visible) glutHideWindow();
  glutDisplayFunc([] {});  // freeglut insists on one per window
  pumpEvents();
  glutSetWindow(id);
  return id;
}

void pumpEvents(int rounds) {
  for (int i = 0; i < rounds; ++i) glutMainLoopEvent();
}

static std::array<float, 16> matrix(GLenum query) {
  std::array<float, 16> m{};
  glGetFloatv(query, m.data());
  return m;
}
std::array<float, 16> modelViewMatrix() { return matrix(GL_MODELVIEW_MATRIX); }
std::array<float, 16> projectionMatrix() { return matrix(GL_PROJECTION_MATRIX); }

void requestCloseOfCurrentWindow() {
  Display* display = glXGetCurrentDisplay();
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = glXGetCurrentDrawable();
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
  XSync(display, False);  // a round trip: the message is queued when events are pumped next
}

}  // namespace testsupport
