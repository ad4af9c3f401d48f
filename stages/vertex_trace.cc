#include "stages/vertex_trace.h"

#include <cstdio>
#include <iostream>

#include "app/state.h"
#include "corvane/corvane.h"
#include "stages/nearest_vertex.h"
#include "stages/private_context.h"

VertexTrace lastVertexTrace;

namespace {

struct OpenGlWork {
  const DrawingView* view;
  Vector3 point;
  OpenGlPoint result;
};

void transformInPrivateContext(void* data) {
  auto* work = static_cast<OpenGlWork*>(data);
  transformByOpenGl(*work->view, &work->point, 1, &work->result);
}

double wide(float value) { return value; }

}  // namespace

DrawingView currentDrawingView() {
  return DrawingView{camera, hfov, vfov, nearPlane, farPlane, corvaneViewport};
}

VertexTrace traceVertex(Vector3 object, const DrawingView& view) {
  VertexTrace trace{};
  trace.done = true;
  trace.corvane = traceThroughCorvane(object, corvaneLookAt, corvaneProjection, view.viewport);
  OpenGlWork work{&view, object, OpenGlPoint{true, Vector3(0.0f, 0.0f, 0.0f)}};
  trace.openGlRead = runInPrivateContext(transformInPrivateContext, &work);
  trace.openGl = work.result;
  return trace;
}

const VertexTrace& traceVertexAtPixel(int x, int y) {
  const DrawingView view = currentDrawingView();
  // The pixel's centre, y turned to count from the bottom.
  const float windowX = static_cast<float>(x + 0.5);
  const float windowY = static_cast<float>(view.viewport.height - y - 0.5);
  const Vector3 vertex = nearestVertex(subdivisions, corvaneLookAt, corvaneProjection,
                                       view.viewport, windowX, windowY);
  lastVertexTrace = traceVertex(vertex, view);
  lastVertexTrace.pixelX = x;
  lastVertexTrace.pixelY = y;
  return lastVertexTrace;
}

void printVertexTrace(const VertexTrace& trace) {
  const CorvaneTrace& c = trace.corvane;
  std::cerr << std::endl << "Vertex Trace" << std::endl;
  std::printf("object (%f, %f, %f, %f)\n", wide(c.object.x), wide(c.object.y), wide(c.object.z),
              wide(c.object.w));
  std::printf("eye    (%f, %f, %f, %f)\n", wide(c.eye.x), wide(c.eye.y), wide(c.eye.z),
              wide(c.eye.w));
  std::printf("clip   (%f, %f, %f, %f) %s", wide(c.clip.x), wide(c.clip.y), wide(c.clip.z),
              wide(c.clip.w), inside(c.failed) ? "inside" : "outside:");
  for (int k = 0; k < kClipTestCount; ++k) {
    if (failedTest(c.failed, k)) std::printf(" %s", kClipTestNames[k]);
  }
  std::printf("\nndc    (%f, %f, %f)\n", wide(c.ndc.x), wide(c.ndc.y), wide(c.ndc.z));
  std::printf("window (%f, %f, %f)\n", wide(c.window.x), wide(c.window.y), wide(c.window.z));
  if (!trace.openGlRead) {
    std::printf("opengl unavailable\n");
  } else if (trace.openGl.clipped) {
    std::printf("opengl clipped\n");
  } else {
    std::printf("opengl (%f, %f, %f)\n", wide(trace.openGl.window.x), wide(trace.openGl.window.y),
                wide(trace.openGl.window.z));
  }
  std::fflush(stdout);
}
