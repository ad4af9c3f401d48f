#ifndef TESTS_SUPPORT_GL_CONTEXT_H_
#define TESTS_SUPPORT_GL_CONTEXT_H_
// Real OpenGL for tests: freeglut windows on the display DISPLAY names (the private Xvfb of `make
// test`), rendered by Mesa. Tests call the program's handlers directly and read state back; nothing
// enters glutMainLoop.
#include <array>

namespace testsupport {

// Initialises freeglut once per process; closing a window keeps the process.
void initGlut();
// A double-buffered RGBA window with depth, as the drawing window is, made current. A hidden
// window's context still renders.
int createGlWindow(const char* title = "gl-test", int width = 400, int height = 400,
                   bool visible = false);
// Runs pending GLUT events without blocking.
void pumpEvents(int rounds = 5);
// OpenGL's matrices, column-major.
std::array<float, 16> modelViewMatrix();
std::array<float, 16> projectionMatrix();

}  // namespace testsupport
#endif  // TESTS_SUPPORT_GL_CONTEXT_H_
