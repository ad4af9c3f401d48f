// The vertex trace as the `trace X Y` command prints it, in the start state of the viewer (its
// lines, and vertices that both pipelines clip: tests/script).
#include "stages/vertex_trace.h"

#include <gtest/gtest.h>  // before Xlib.h (through glx.h), whose macros break it
#include <GL/glx.h>

#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

// The start state: camera reset, fields of view 60, near 0.1, far 1000, depth 1, 400 by 400.
void startState() {
  camera.reset();
  hfov = vfov = 60;
  nearPlane = 0.1f;
  farPlane = 1000;
  subdivisions = 1;
  updateCorvaneLookAt(camera);
  updateCorvaneProjection(hfov, vfov, nearPlane, farPlane);
  updateCorvaneViewport(400, 400);
}

Captured tracedAt(int x, int y) {
  return capture([x, y] { printVertexTrace(traceVertexAtPixel(x, y)); });
}

// OpenGL's side comes from a context of the trace's own: the caller's context and drawable are
// current again afterwards, and the title goes to standard error (every line of the trace, in
// order, tests/script's trace checks).
TEST(VertexTraceTest, FrontVertexTraceComesFromAContextOfItsOwn) {
  createGlWindow();
  startState();
  const GLXContext context = glXGetCurrentContext();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  const Captured printed = tracedAt(200, 200);
  EXPECT_EQ(context, glXGetCurrentContext());
  EXPECT_EQ(drawable, glXGetCurrentDrawable());
  EXPECT_EQ("\nVertex Trace\n", printed.err);
  EXPECT_NE(std::string::npos, printed.out.find("\nopengl (200.000000, 200.000000, 0.933427)\n"));
}

}  // namespace
