#ifndef STAGES_VERTEX_TRACE_H_
#define STAGES_VERTEX_TRACE_H_

// One vertex traced through both pipelines: the `trace X Y` command of the
// session scripts, and the traced vertex of the "Pipeline Stages" window.
//
// The record of the last trace, lastVertexTrace, is plain data for whoever
// wants the numbers after a trace (a script checking them, the window): the
// pixel asked for, Corvane's every stage of the chosen vertex, and what
// OpenGL's own transform made of it. All window coordinates in it count y
// from the BOTTOM, as OpenGL's do; only the pixel asked for counts from the
// top, as the pixel report and the scripts' positions do.

#include <type_traits>

#include "corvane/pipeline.h"
#include "stages/opengl_transform.h"

struct VertexTrace {
  bool done;   // false until the first trace
  int pixelX;  // the pixel asked for: window pixels, y from the top
  int pixelY;
  CorvaneTrace corvane;  // object, eye, clip, failed clip tests, ndc, window
  bool openGlRead;       // false when OpenGL's side could not be computed
  OpenGlPoint openGl;    // dropped by OpenGL's clipping, or its window point
};

static_assert(std::is_trivially_copyable_v<VertexTrace>);

extern VertexTrace lastVertexTrace;

// The drawing window's view as it stands: the camera, fields of view and
// clipping distances of the application state, and Corvane's copy of the
// viewport.
DrawingView currentDrawingView();

// Traces `object` with Corvane's matrices and the view's viewport, and with
// OpenGL's transform in the trace's private context (stages/
// private_context.h). Changes no GL state but the private context's.
VertexTrace traceVertex(Vector3 object, const DrawingView& view);

// Picks, among the vertices the drawing window draws at the current depth,
// the one whose Corvane window position is nearest to the centre of pixel
// (x, y) (y from the top; stages/nearest_vertex.h), traces it and keeps the
// result in lastVertexTrace.
const VertexTrace& traceVertexAtPixel(int x, int y);

// Prints a trace as the console reports print theirs: a blank line and the
// title "Vertex Trace" on standard error, then on standard output, with
// printf's "%f":
//   object (x, y, z, w)
//   eye    (x, y, z, w)
//   clip   (x, y, z, w) inside | outside: NAMES   (failed tests, in the
//                                                  order left right bottom
//                                                  top near far)
//   ndc    (x, y, z)
//   window (x, y, z)
//   opengl (x, y, z) | opengl clipped | opengl unavailable
// and flushes standard output, so the lines stay in order on one pipe.
void printVertexTrace(const VertexTrace& trace);

#endif  // STAGES_VERTEX_TRACE_H_
