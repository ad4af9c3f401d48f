#ifndef BENCH_REFERENCE_FRAME_H_
#define BENCH_REFERENCE_FRAME_H_

// The bare reference for the frame benchmark: the OpenGL calls that the
// viewer's display() makes, issued from data computed beforehand, so that
// timing display() against it isolates the viewer's own work (the recursion,
// the midpoints and their normalisation) from what OpenGL itself costs.

#include <GL/gl.h>

#include <vector>

namespace bench {

struct ReferenceFrame {
  double lookAt[9];    // gluLookAt's arguments: eye, centre, up
  bool lighting;       // GL_LIGHTING and GL_LIGHT0 enabled, else disabled
  GLenum polygonMode;  // for GL_FRONT_AND_BACK
  // Triangle corners in drawing order, x y z each; a corner is its own normal.
  std::vector<float> corners;
};

// The frame that display() would draw now, from the current camera,
// renderMode and lightOn, at the given subdivision depth (1..8).
ReferenceFrame captureReferenceFrame(int depth);

// Issues the same calls as display(): identity and look-at, the lighting
// switches, clear, colour, polygon mode, one begin/end pair per triangle with
// a normal before each vertex, and the buffer swap of the current window.
void drawReferenceFrame(const ReferenceFrame& frame);

}  // namespace bench

#endif  // BENCH_REFERENCE_FRAME_H_
