#include "raster/raster_image.h"

#include <algorithm>
#include <cstddef>

void RasterImage::resize(int newWidth, int newHeight) {
  width = std::max(newWidth, 0);
  height = std::max(newHeight, 0);
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  rgb.resize(3 * pixels);
  depth.resize(pixels);
  clear();
}

void RasterImage::clear() {
  std::fill(rgb.begin(), rgb.end(), std::uint8_t{0});
  std::fill(depth.begin(), depth.end(), 1.0f);
}
