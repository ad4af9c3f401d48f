#ifndef STAGES_OPENGL_TRANSFORM_H_
#define STAGES_OPENGL_TRANSFORM_H_

// OpenGL's own transform of points, read back in feedback mode: what the GL
// makes of a vertex when it is handed the drawing window's matrices and
// viewport. The other side of every comparison with Corvane's pipeline
// (corvane/pipeline.h); GLU's gluProject is software and so no witness.
//
// Runs in the CURRENT GL context, which must not be the drawing window's (its
// call stream stays untouched): the "Pipeline Stages" window's own, or the
// private one of stages/private_context.h. The context's viewport, matrix
// mode, both matrices and render mode are the same on return as before.

#include <type_traits>

#include "camera/camera.h"
#include "camera/vector3.h"
#include "corvane/pipeline.h"

// The inputs from which the drawing window builds its view: the camera
// (gluLookAt(eye, eye - n, v)), the fields of view in degrees and the
// clipping distances (gluPerspective(vfov, hfov / vfov, near, far)), and the
// viewport (glViewport, pixels, y from the bottom).
struct DrawingView {
  Camera camera;
  float hfov;
  float vfov;
  float nearPlane;
  float farPlane;
  Viewport viewport;
};

static_assert(std::is_trivially_copyable_v<DrawingView>);

// One point as OpenGL's feedback gave it: dropped by clipping, or its window
// coordinates (x, y in pixels from the bottom left, depth in 0..1).
struct OpenGlPoint {
  bool clipped;
  Vector3 window;
};

static_assert(std::is_trivially_copyable_v<OpenGlPoint>);

// Hands each of the count points to OpenGL as one GL_POINTS vertex, with the
// view's matrices and viewport loaded by the same GLU and GL calls as the
// drawing window's, and writes what feedback mode returned into out[0..count).
void transformByOpenGl(const DrawingView& view, const Vector3* points, int count, OpenGlPoint* out);

#endif  // STAGES_OPENGL_TRANSFORM_H_
