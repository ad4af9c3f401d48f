#include "tests/support/gl_context.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace testsupport {

void initGlut() {
  if (glutGet(GLUT_INIT_STATE)) return;
  const char* display = std::getenv("DISPLAY");
  ASSERT_TRUE(display != nullptr && display[0] != '\0')
      << "GL tests need an X display; run them through `make test`";
  int argc = 1;
  char name[] = "gl-test";
  char* argv[] = {name, nullptr};
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
  // freeglut insists on a display callback for every window.
  glutDisplayFunc([] {});
  pumpEvents();
  glutSetWindow(id);
  return id;
}

void pumpEvents(int rounds) {
  for (int i = 0; i < rounds; ++i) glutMainLoopEvent();
}

std::array<float, 16> modelViewMatrix() {
  std::array<float, 16> m{};
  glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
  return m;
}

std::array<float, 16> projectionMatrix() {
  std::array<float, 16> m{};
  glGetFloatv(GL_PROJECTION_MATRIX, m.data());
  return m;
}

}  // namespace testsupport
