#ifndef RASTER_RASTERIZE_H_
#define RASTER_RASTERIZE_H_

#include "raster/raster_image.h"

// Drawing of window-space primitives into a RasterImage with OpenGL's
// rasterization rules and its default depth test (GL_LESS, depth written).
//
// Window coordinates: x and y in pixels from the bottom-left corner of the
// image (y up, as OpenGL's), z the window depth 0..1. Pixel (i, j) has its
// centre at (i + 0.5, j + 0.5). Positions are snapped to 1/kSubpixelSteps of a
// pixel before triangles are set up, so that two triangles sharing an edge
// see exactly the same edge; a position halfway between two steps goes to
// the right one in x and to the lower one in y, as it does in a framebuffer
// whose rows count downwards.

constexpr int kSubpixelBits = 8;
constexpr int kSubpixelSteps = 1 << kSubpixelBits;

// A corner after the divide and the viewport mapping. x and y are doubles
// so that y, which OpenGL maps downwards (a window-system framebuffer counts
// rows from the top) and which is turned up here, keeps every bit of the
// float OpenGL has. inverseW is 1 / w of the clip position, for
// perspective-correct colour; grey is the colour, the same in red, green and
// blue, 0..1.
struct WindowVertex {
  double x;
  double y;
  float z;
  float inverseW;
  float grey;
};

// Twice the signed area of (a, b, c) in window pixels: positive when the
// corners run counter-clockwise on the screen (OpenGL's front face under
// GL_CCW), from the snapped positions.
double windowArea(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c);

// Fills the triangle: every pixel whose centre lies inside it, and on an
// edge only when that is a bottom edge (horizontal, the inside above it) or
// a left edge, as llvmpipe chooses, so a pixel centre on an edge shared by two triangles is drawn
// by exactly one of them. Either winding is drawn; a triangle of zero area
// draws nothing. Depth is interpolated linearly in window space, grey with
// perspective correction. With frontOnly, a triangle whose snapped corners
// do not run counter-clockwise (windowArea <= 0) is culled instead: one
// snapping serves both.
void fillTriangle(RasterImage& image, const WindowVertex& a, const WindowVertex& b,
                  const WindowVertex& c, bool frontOnly = false);

// Draws a one-pixel line by the diamond-exit rule as llvmpipe keeps it: a
// pixel is drawn when the segment from a to b leaves the diamond
// |x - xc| + |y - yc| < 1/2 around its centre, so the pixel holding a is
// drawn (when a lies in a diamond) and the one holding b is not (when b
// lies in a diamond). Along the minor axis the pixel whose centre lies
// within half a pixel of the segment is drawn, by the fill rule of the
// snapped parallelogram round the segment, so a segment running along a
// border between pixels takes the one on its left or below it. Depth is
// interpolated along the segment linearly, grey with perspective
// correction.
void drawLine(RasterImage& image, const WindowVertex& a, const WindowVertex& b);

// Draws a one-pixel point into the pixel that contains (a.x, a.y): pixel
// (floor(x), floor(y)), so a position on a border goes to the pixel right
// of it and above it. Lines and points are snapped to the subpixel grid
// like triangles.
void drawPoint(RasterImage& image, const WindowVertex& a);

// The byte OpenGL stores for a colour 0..1: clamped, times 255, rounded.
unsigned char colourByte(float value);

#endif  // RASTER_RASTERIZE_H_
