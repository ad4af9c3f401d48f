// A frame through the whole rasterizer on literal cases: the default
// light's shades and the near plane. Clip space is object space (identity
// matrices) unless a case says otherwise, so window x = (x + 1) * width / 2.
// How culling, the render modes and the normals' turn agree with OpenGL is
// rasterview/raster_agreement_test's to show.
#include "raster/raster_frame.h"

#include <gtest/gtest.h>

namespace {

RasterSettings flat(int size, int mode = 2) {
  RasterSettings s;
  s.width = size;
  s.height = size;
  s.renderMode = mode;
  return s;
}

// The square from -1 to 1 at depth z as two counter-clockwise triangles,
// every corner with normal n.
void square(RasterFrame& frame, const float* n, float z = 0.0f) {
  const float a[3] = {-1, -1, z};
  const float b[3] = {1, -1, z};
  const float c[3] = {1, 1, z};
  const float d[3] = {-1, 1, z};
  frame.triangle(a, b, c, n, n, n);
  frame.triangle(a, c, d, n, n, n);
}

int drawnPixels(const RasterImage& image) {
  int count = 0;
  for (int i = 0; i < image.width * image.height; ++i) count += image.rgb[3 * i] != 0;
  return count;
}

// 0.2 x 0.2 ambient plus 0.8 x the normal's eye z: 0.84 facing the eye,
// 0.44 at 60 degrees, the ambient 0.04 alone facing away; white unlit.
TEST(RasterFrameTest, DefaultLightShadesByTheEyeNormalsZ) {
  struct Case {
    bool light;
    float n[3];
    int byte;
  };
  const Case cases[] = {
      {true, {0, 0, 1}, 214}, {true, {0, 0.8660254f, 0.5f}, 112}, {true, {0, 0, -1}, 10},
      {true, {1, 0, 0}, 10},  {false, {0, 0, -1}, 255},
  };
  for (const Case& c : cases) {
    RasterImage image;
    RasterFrame frame;
    RasterSettings s = flat(4);
    s.light = c.light;
    frame.begin(s, &image);
    square(frame, c.n);
    EXPECT_EQ(drawnPixels(image), 16);
    EXPECT_EQ(image.pixel(1, 2)[0], c.byte) << c.n[0] << " " << c.n[1] << " " << c.n[2];
    EXPECT_EQ(image.pixel(1, 2)[2], c.byte);
  }
}

// A perspective view (gluPerspective(90, 1, 1, 10)) of a triangle whose
// third corner lies behind the eye: clipped at the near plane, only the part
// in front is drawn, below the horizon; folded through w < 0 it would cover
// the top of the window.
TEST(RasterFrameTest, ATriangleReachingBehindTheEyeIsCutAtTheNearPlane) {
  RasterImage image;
  RasterFrame frame;
  RasterSettings s = flat(16);
  s.cull = false;
  s.projection = Matrix4(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -11.0f / 9.0f, -20.0f / 9.0f, 0, 0, -1, 0);
  frame.begin(s, &image);
  const float n[3] = {0, 0, 1};
  const float a[3] = {-2, -1, -2};
  const float b[3] = {2, -1, -2};
  const float c[3] = {0, -1, 2};
  frame.triangle(a, b, c, n, n, n);
  int below = 0;
  int above = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) (y < 8 ? below : above) += image.pixel(x, y)[0] != 0;
  }
  EXPECT_EQ(above, 0);
  // Bottom row y in 0..1 shows the floor from eye distance 1 (the near
  // plane) to 16 / 7: x within +-1 there, all of the row's 16 pixels.
  EXPECT_GT(below, 60);
  for (int x = 0; x < 16; ++x) EXPECT_NE(image.pixel(x, 0)[0], 0) << x;
}

}  // namespace
