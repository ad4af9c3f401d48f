// Clipping in homogeneous coordinates: literal triangles and the corners
// that come out, with the edges that clipping made left off the outline.
#include "raster/clip_polygon.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ClipVertex corner(float x, float y, float z, float w, float grey = 1.0f) {
  return ClipVertex{Vector4{x, y, z, w}, grey, true};
}

struct Expected {
  float x, y, z, w, grey;
  bool boundary;
};

void expectPolygon(const ClipVertex* got, int count, const std::vector<Expected>& want) {
  ASSERT_EQ(count, static_cast<int>(want.size()));
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FLOAT_EQ(got[i].position.x, want[i].x);
    EXPECT_FLOAT_EQ(got[i].position.y, want[i].y);
    EXPECT_FLOAT_EQ(got[i].position.z, want[i].z);
    EXPECT_FLOAT_EQ(got[i].position.w, want[i].w);
    EXPECT_FLOAT_EQ(got[i].grey, want[i].grey);
    EXPECT_EQ(got[i].boundary, want[i].boundary);
  }
}

// One corner behind the near plane (z < -w): the triangle becomes a
// quadrilateral whose new edge lies on the plane z = -w, halfway along the
// two cut edges, the grey interpolated with the position.
TEST(ClipPolygonTest, ANearCutTurnsOneCornerIntoTwoOnThePlane) {
  const ClipVertex in[3] = {corner(0, 0, -2, 1, 0.0f), corner(0.5f, 0, 0, 1),
                            corner(0, 0.5f, 0, 1)};
  ClipVertex out[kMaxClippedCorners];
  const int count = clipTriangle(in, out);
  expectPolygon(out, count,
                {{0.25f, 0, -1, 1, 0.5f, true},
                 {0.5f, 0, 0, 1, 1.0f, true},
                 {0, 0.5f, 0, 1, 1.0f, true},
                 {0, 0.25f, -1, 1, 0.5f, false}});
}

// A triangle larger than the volume's cross-section at z = 0 is cut by the
// four side planes to the square from -1 to 1, every edge made by clipping.
TEST(ClipPolygonTest, TheSidePlanesCutABigTriangleToTheSquare) {
  const ClipVertex in[3] = {corner(-3, -3, 0, 1), corner(3, -3, 0, 1), corner(0, 5, 0, 1)};
  ClipVertex out[kMaxClippedCorners];
  const int count = clipTriangle(in, out);
  expectPolygon(out, count,
                {{1, -1, 0, 1, 1.0f, false},
                 {1, 1, 0, 1, 1.0f, false},
                 {-1, 1, 0, 1, 1.0f, false},
                 {-1, -1, 0, 1, 1.0f, false}});
}

}  // namespace
