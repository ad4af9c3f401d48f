#ifndef TESTS_SUPPORT_GL_CONTEXT_H_
#define TESTS_SUPPORT_GL_CONTEXT_H_

// Real OpenGL for tests: freeglut windows on the X display that DISPLAY names
// (the private Xvfb that `make test` starts), rendered by Mesa.
//
// Tests call the program's GLUT handlers directly on such a window and read
// OpenGL state back with glGetFloatv, glIsEnabled or glReadPixels. Nothing here
// enters glutMainLoop; pumpEvents() runs pending GLUT events instead.

#include <array>

namespace testsupport {

// Initialises freeglut once per process (later calls do nothing) and makes
// closing a window leave the process running. Fails the test if there is no
// display.
void initGlut();

// Creates a double-buffered RGBA window with depth, as the viewer's drawing
// window is, and makes it current. A hidden window is never mapped; its
// context still renders (Mesa keeps the buffers in memory).
int createGlWindow(const char* title = "gl-test", int width = 400, int height = 400,
                   bool visible = false);

// Runs pending GLUT events (reshape, display, input) without blocking.
void pumpEvents(int rounds = 5);

// OpenGL's matrices, column-major as glGetFloatv writes them.
std::array<float, 16> modelViewMatrix();
std::array<float, 16> projectionMatrix();

}  // namespace testsupport

#endif  // TESTS_SUPPORT_GL_CONTEXT_H_
