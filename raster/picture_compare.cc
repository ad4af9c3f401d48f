#include "raster/picture_compare.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool matches(const std::uint8_t* p, const std::uint8_t* q) {
  for (int k = 0; k < 3; ++k) {
    if (std::abs(int{p[k]} - int{q[k]}) > kMatchLevels) return false;
  }
  return true;
}

// Whether pixel (x, y) of from matches any pixel of to within its 3 by 3
// neighbourhood.
bool matchesNearby(const std::uint8_t* from, const std::uint8_t* to, int width, int height, int x,
                   int y) {
  const std::uint8_t* p = from + 3 * (y * width + x);
  for (int qy = std::max(y - 1, 0); qy <= std::min(y + 1, height - 1); ++qy) {
    for (int qx = std::max(x - 1, 0); qx <= std::min(x + 1, width - 1); ++qx) {
      if (matches(p, to + 3 * (qy * width + qx))) return true;
    }
  }
  return false;
}

}  // namespace

PictureComparison comparePictures(const std::uint8_t* a, const std::uint8_t* b, int width,
                                  int height, int firstRow, int lastRow) {
  PictureComparison result;
  for (int y = std::max(firstRow, 0); y <= std::min(lastRow, height - 1); ++y) {
    for (int x = 0; x < width; ++x) {
      const int at = 3 * (y * width + x);
      if (matches(a + at, b + at)) continue;
      ++result.differing;
      if (!matchesNearby(a, b, width, height, x, y)) ++result.unmatched;
      if (!matchesNearby(b, a, width, height, x, y)) ++result.unmatched;
    }
  }
  return result;
}

void differencePicture(const std::uint8_t* a, const std::uint8_t* b, int width, int height,
                       std::vector<std::uint8_t>* out) {
  const int pixels = std::max(width, 0) * std::max(height, 0);
  out->resize(3 * static_cast<std::size_t>(pixels));
  std::uint8_t* o = out->data();
  for (int i = 0; i < pixels; ++i) {
    const int at = 3 * i;
    if (matches(a + at, b + at)) {
      for (int k = 0; k < 3; ++k) o[at + k] = static_cast<std::uint8_t>(b[at + k] / 4);
    } else {
      o[at] = 255;
      o[at + 1] = 40;
      o[at + 2] = 40;
    }
  }
}
