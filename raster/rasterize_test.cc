// OpenGL's rasterization rules on tiny literal cases. Pictures are written
// top row first, '#' for a drawn pixel; window y counts from the bottom.
#include "raster/rasterize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

WindowVertex at(float x, float y, float z = 0.5f) { return WindowVertex{x, y, z, 1.0f, 1.0f}; }

RasterImage blank(int width, int height) {
  RasterImage image;
  image.resize(width, height);
  return image;
}

std::vector<std::string> picture(const RasterImage& image) {
  std::vector<std::string> rows;
  for (int y = image.height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < image.width; ++x) row += image.pixel(x, y)[0] != 0 ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

using Picture = std::vector<std::string>;

struct FillCase {
  WindowVertex a, b, c;
  Picture want;
};

// Centres strictly inside are drawn; a centre on an edge only when that is
// a left edge or a bottom edge (window y up), as llvmpipe draws these very
// triangles. Both windings draw the same.
TEST(RasterizeTest, FillDrawsCentresInsideAndOnBottomOrLeftEdgesOnly) {
  const FillCase cases[] = {
      // Corners on pixel corners: the hypotenuse x + y = 4 runs through
      // four centres and is a right edge.
      {at(0, 0), at(4, 0), at(0, 4), {"....", "#...", "##..", "###."}},
      // Left edge x = 0.5 and bottom edge y = 0.5 drawn, the hypotenuse not.
      {at(0.5f, 0.5f), at(3.5f, 0.5f), at(0.5f, 3.5f), {"....", "#...", "##..", "###."}},
      // The left edge drawn, the top edge y = 3.5 and the diagonal (right)
      // not.
      {at(0.5f, 3.5f), at(0.5f, 0.5f), at(3.5f, 3.5f), {"....", "##..", "#...", "...."}},
  };
  for (const FillCase& c : cases) {
    RasterImage ccw = blank(4, 4);
    fillTriangle(ccw, c.a, c.b, c.c);
    EXPECT_EQ(picture(ccw), c.want);
    RasterImage cw = blank(4, 4);
    fillTriangle(cw, c.a, c.c, c.b);
    EXPECT_EQ(picture(cw), c.want);
  }
}

// Eight triangles round a centre, corners at odd positions: every pixel of
// the fan is drawn by exactly one of them, none twice, and the disc inside
// the fan has no hole.
TEST(RasterizeTest, TrianglesSharingEdgesDrawEachPixelOnce) {
  constexpr int kSide = 24;
  constexpr int kFan = 8;
  const WindowVertex centre = at(12.5f, 12.5f);
  std::vector<int> draws(kSide * kSide, 0);
  for (int k = 0; k < kFan; ++k) {
    const double a0 = 2.0 * M_PI * k / kFan + 0.3;
    const double a1 = 2.0 * M_PI * (k + 1) / kFan + 0.3;
    const WindowVertex p0 = at(static_cast<float>(12.5 + 10.0 * std::cos(a0)),
                               static_cast<float>(12.5 + 10.0 * std::sin(a0)));
    const WindowVertex p1 = at(static_cast<float>(12.5 + 10.0 * std::cos(a1)),
                               static_cast<float>(12.5 + 10.0 * std::sin(a1)));
    RasterImage one = blank(kSide, kSide);
    fillTriangle(one, centre, p0, p1);
    for (int i = 0; i < kSide * kSide; ++i) draws[i] += one.rgb[3 * i] != 0;
  }
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const int n = draws[y * kSide + x];
      EXPECT_LE(n, 1) << x << ", " << y;
      if (std::hypot(x + 0.5 - 12.5, y + 0.5 - 12.5) < 8.5) {
        EXPECT_EQ(n, 1) << x << ", " << y;
      }
    }
  }
}

struct LineCase {
  WindowVertex a, b;
  Picture want;
};

// The pixel holding the start is drawn, the one holding the end is not when
// the end lies inside its diamond; one pixel per column (x-major) or row.
// Each picture is llvmpipe's of the same line.
TEST(RasterizeTest, LinesDrawThePixelsWhoseDiamondsTheyLeave) {
  const LineCase cases[] = {
      {at(0.5f, 1.5f), at(3.5f, 1.5f), {"....", "....", "###.", "...."}},
      {at(3.5f, 1.5f), at(0.5f, 1.5f), {"....", "....", ".###", "...."}},
      {at(0, 0), at(4, 2), {"....", "....", "..##", "##.."}},
      {at(1.5f, 0.5f), at(1.5f, 3.5f), {"....", ".#..", ".#..", ".#.."}},
      // Starting past a centre inside that pixel's diamond still draws it.
      {at(0.7f, 2.5f), at(3.5f, 2.6f), {"....", "###.", "....", "...."}},
      // Along a border: the row below, the column to the left.
      {at(0.2f, 1.0f), at(3.8f, 1.0f), {"....", "....", "....", "####"}},
      {at(1.0f, 0.2f), at(1.0f, 3.8f), {"#...", "#...", "#...", "#..."}},
      // Backwards along the diagonal, ending inside a diamond.
      {at(3.3f, 3.3f), at(0.3f, 0.3f), {"...#", "..#.", ".#..", "...."}},
  };
  for (const LineCase& c : cases) {
    RasterImage image = blank(4, 4);
    drawLine(image, c.a, c.b);
    EXPECT_EQ(picture(image), c.want) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y;
  }
}

// A position on a border between pixels belongs to the pixel right of it
// and above it.
TEST(RasterizeTest, APointDrawsThePixelHoldingItsPosition) {
  RasterImage image = blank(4, 4);
  drawPoint(image, at(2.7f, 1.2f));
  drawPoint(image, at(1.0f, 3.0f));  // on a corner of four pixels
  drawPoint(image, at(4.5f, 0.5f));  // right of the image
  EXPECT_EQ(picture(image), (Picture{".#..", "....", "..#.", "...."}));
}

TEST(RasterizeTest, ColourBytesAreRoundedAndClamped) {
  EXPECT_EQ(colourByte(0.84f), 214);
  EXPECT_EQ(colourByte(0.04f), 10);
  EXPECT_EQ(colourByte(1.5f), 255);
  EXPECT_EQ(colourByte(-0.5f), 0);
  EXPECT_EQ(colourByte(0.5f), 128);
}

}  // namespace
