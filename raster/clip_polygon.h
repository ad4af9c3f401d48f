#ifndef RASTER_CLIP_POLYGON_H_
#define RASTER_CLIP_POLYGON_H_

#include "corvane/vector4.h"

// Clipping of a triangle in clip space against the view volume
// -w <= x, y, z <= w, in homogeneous coordinates (before the divide), so a
// triangle that reaches behind the eye is cut at the near plane instead of
// being folded through infinity.

// A corner of a polygon being clipped. grey is the corner's colour (the same
// in red, green and blue, 0..1), interpolated along with the position.
// boundary tells whether the edge from this corner to the next one lies on
// the original triangle's outline: edges that clipping makes along a plane
// of the volume are not, so the wireframe and point modes leave them out,
// as OpenGL's edge flags do.
struct ClipVertex {
  Vector4 position;
  float grey;
  bool boundary;
};

// A triangle cut by all six planes has at most 3 + 6 corners.
constexpr int kMaxClippedCorners = 9;

// The six planes, in the order they cut.
enum class ClipPlane { Near, Far, Left, Right, Bottom, Top };

// Clips the triangle (corners[0], corners[1], corners[2]) against the six
// planes in turn (Sutherland-Hodgman), writing the resulting convex polygon
// to out in the triangle's winding. Returns its corner count: 0 when nothing
// is left, 3 when the triangle lies wholly inside (copied unchanged),
// otherwise 3 to kMaxClippedCorners. A new corner on the edge from a to b
// lies at t = d(a) / (d(a) - d(b)), d a corner's signed distance to the
// plane (w + z for the near plane), with position and grey interpolated at t.
int clipTriangle(const ClipVertex corners[3], ClipVertex out[kMaxClippedCorners]);

#endif  // RASTER_CLIP_POLYGON_H_
