#include "raster/clip_polygon.h"

namespace {

constexpr ClipPlane kPlanes[] = {ClipPlane::Near,  ClipPlane::Far,    ClipPlane::Left,
                                 ClipPlane::Right, ClipPlane::Bottom, ClipPlane::Top};

// Signed distance, in clip units, of p from the plane: 0 or more inside.
float distance(const Vector4& p, ClipPlane plane) {
  switch (plane) {
    case ClipPlane::Near:
      return p.w + p.z;
    case ClipPlane::Far:
      return p.w - p.z;
    case ClipPlane::Left:
      return p.w + p.x;
    case ClipPlane::Right:
      return p.w - p.x;
    case ClipPlane::Bottom:
      return p.w + p.y;
    case ClipPlane::Top:
      return p.w - p.y;
  }
  return 0.0f;
}

float lerp(float a, float b, float t) { return a + (b - a) * t; }

ClipVertex between(const ClipVertex& a, const ClipVertex& b, float t, bool boundary) {
  ClipVertex v;
  v.position = Vector4{lerp(a.position.x, b.position.x, t), lerp(a.position.y, b.position.y, t),
                       lerp(a.position.z, b.position.z, t), lerp(a.position.w, b.position.w, t)};
  v.grey = lerp(a.grey, b.grey, t);
  v.boundary = boundary;
  return v;
}

// One plane's cut of the polygon in[0..count) into out; returns out's count.
int clipAgainst(const ClipVertex* in, int count, ClipPlane plane, ClipVertex* out) {
  int kept = 0;
  for (int i = 0; i < count; ++i) {
    const ClipVertex& a = in[i];
    const ClipVertex& b = in[(i + 1) % count];
    const float da = distance(a.position, plane);
    const float db = distance(b.position, plane);
    if (da >= 0.0f) out[kept++] = a;
    if ((da >= 0.0f) == (db >= 0.0f)) continue;
    // Always interpolated from the inside corner, so that the two polygons
    // sharing this edge get the very same new corner.
    const bool leaving = da >= 0.0f;
    const ClipVertex& inner = leaving ? a : b;
    const ClipVertex& outer = leaving ? b : a;
    const float dInner = leaving ? da : db;
    const float dOuter = leaving ? db : da;
    const float t = dInner / (dInner - dOuter);
    // Leaving: the next edge runs along the plane. Entering: it is the rest
    // of the edge a -> b.
    out[kept++] = between(inner, outer, t, leaving ? false : a.boundary);
  }
  return kept;
}

// One bit for each plane p is not inside, in kPlanes' order: the six tests
// at once, as the common case (a triangle wholly inside) needs nothing more.
// A NaN is inside no plane, as clipAgainst has it.
unsigned outsideBits(const Vector4& p) {
  return (p.w + p.z >= 0.0f ? 0u : 1u) | (p.w - p.z >= 0.0f ? 0u : 2u) |
         (p.w + p.x >= 0.0f ? 0u : 4u) | (p.w - p.x >= 0.0f ? 0u : 8u) |
         (p.w + p.y >= 0.0f ? 0u : 16u) | (p.w - p.y >= 0.0f ? 0u : 32u);
}

}  // namespace

int clipTriangle(const ClipVertex corners[3], ClipVertex out[kMaxClippedCorners]) {
  const unsigned a = outsideBits(corners[0].position);
  const unsigned b = outsideBits(corners[1].position);
  const unsigned c = outsideBits(corners[2].position);
  // All three beyond one plane: nothing is left.
  if ((a & b & c) != 0) return 0;
  for (int i = 0; i < 3; ++i) out[i] = corners[i];
  if ((a | b | c) == 0) return 3;
  // Each plane adds at most one corner; ping-pong between two buffers.
  ClipVertex scratch[kMaxClippedCorners];
  ClipVertex* from = out;
  ClipVertex* to = scratch;
  int count = 3;
  for (ClipPlane plane : kPlanes) {
    count = clipAgainst(from, count, plane, to);
    if (count == 0) return 0;
    ClipVertex* swap = from;
    from = to;
    to = swap;
  }
  if (from != out) {
    for (int i = 0; i < count; ++i) out[i] = from[i];
  }
  return count;
}
