#include "stages/placement.h"

namespace {

bool overlap(const ScreenRect& a, const ScreenRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool before(const ScreenPoint& a, const ScreenPoint& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

}  // namespace

ScreenPoint placeClearOf(const std::vector<ScreenRect>& others, int width, int height,
                         int screenWidth, int screenHeight, int gap) {
  std::vector<int> xs = {0};
  std::vector<int> ys = {0};
  for (const ScreenRect& r : others) {
    xs.push_back(r.x + r.width + gap);
    ys.push_back(r.y + r.height + gap);
  }
  bool found = false;
  bool foundFitting = false;
  ScreenPoint best{0, 0};
  for (const int x : xs) {
    for (const int y : ys) {
      const ScreenRect here{x, y, width, height};
      bool clear = true;
      for (const ScreenRect& r : others) clear = clear && !overlap(here, r);
      if (!clear) continue;
      const bool fits = x + width <= screenWidth && y + height <= screenHeight;
      const ScreenPoint p{x, y};
      if ((fits && !foundFitting) || (fits == foundFitting && (!found || before(p, best)))) {
        best = p;
        found = true;
        foundFitting = fits;
      }
    }
  }
  return best;
}
