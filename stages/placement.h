#ifndef STAGES_PLACEMENT_H_
#define STAGES_PLACEMENT_H_

// Where a new window goes so that it covers no other: screen pixels, y down,
// outer frames (title bar and borders included).

#include <vector>

struct ScreenRect {
  int x;
  int y;
  int width;
  int height;
};

// The top-left corner for a window of the given outer size: among the
// screen's top-left corner and the places right of or below each other
// window (gap pixels apart), the highest, then leftmost, at which it
// overlaps none of them and fits on the screen; when none fits, the highest
// that overlaps none.
struct ScreenPoint {
  int x;
  int y;
};

ScreenPoint placeClearOf(const std::vector<ScreenRect>& others, int width, int height,
                         int screenWidth, int screenHeight, int gap);

#endif  // STAGES_PLACEMENT_H_
