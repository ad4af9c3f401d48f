#ifndef RASTER_RASTER_IMAGE_H_
#define RASTER_RASTER_IMAGE_H_

#include <cstdint>
#include <vector>

// Corvane's picture: 8-bit RGB colour and a depth buffer, the size of the
// drawing window.
//
// Rows count from the bottom, as OpenGL's window coordinates and glReadPixels
// do: pixel (x, y) covers window x..x+1 and y..y+1, its centre is at
// (x + 0.5, y + 0.5), and its colour starts at byte 3 * (y * width + x).
// Depth is window depth, 0 at the near plane and 1 at the far plane; a clear
// image holds black and depth 1 everywhere.
//
// The buffers are reused: resize allocates only when the image grows beyond
// every size it had before, so drawing frame after frame allocates nothing.
struct RasterImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  std::vector<float> depth;

  // Sets the size (each side 0 or more) and clears the image.
  void resize(int newWidth, int newHeight);
  // Black, depth 1.
  void clear();

  const std::uint8_t* pixel(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};

#endif  // RASTER_RASTER_IMAGE_H_
