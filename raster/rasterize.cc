#include "raster/rasterize.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

struct Snapped {
  std::int64_t x;
  std::int64_t y;
};

// llround's rounding, half away from zero, without its library call: a
// float times 256 plus one half is exact in double, so the truncation gives
// llround's very result. Values too large for that (or not numbers) are
// left to llround itself.
std::int64_t toStep(double v) {
  if (!(std::fabs(v) < 1.0e15)) return std::llround(v);
  return static_cast<std::int64_t>(v >= 0.0 ? v + 0.5 : v - 0.5);
}

Snapped snap(const WindowVertex& v) {
  return Snapped{toStep(double{v.x} * kSubpixelSteps), toStep(double{v.y} * kSubpixelSteps)};
}

// Twice the signed area of (p, q, r), in squared subpixel steps.
std::int64_t area2(const Snapped& p, const Snapped& q, const Snapped& r) {
  return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
}

// The edge p -> q of a counter-clockwise triangle as a function of the pixel
// centre: positive inside, 0 on the edge. bias makes the fill rule a plain
// ">= 0": 0 for a top or left edge (its pixels are drawn), -1 otherwise.
struct Edge {
  std::int64_t value;  // at the first pixel centre of the box
  std::int64_t stepX;  // change per pixel to the right
  std::int64_t stepY;  // change per pixel up
  std::int64_t bias;
};

Edge makeEdge(const Snapped& p, const Snapped& q, std::int64_t centreX, std::int64_t centreY) {
  const std::int64_t dx = q.x - p.x;
  const std::int64_t dy = q.y - p.y;
  // Counter-clockwise with y up: a left edge runs downwards, a top edge
  // right to left.
  const bool topOrLeft = dy < 0 || (dy == 0 && dx < 0);
  Edge edge;
  edge.value = dx * (centreY - p.y) - dy * (centreX - p.x);
  edge.stepX = -dy * kSubpixelSteps;
  edge.stepY = dx * kSubpixelSteps;
  edge.bias = topOrLeft ? 0 : -1;
  return edge;
}

// Depth test (GL_LESS) and write of one fragment.
void writeFragment(RasterImage& image, int x, int y, float z, float grey) {
  const int index = y * image.width + x;
  if (!(z < image.depth[index])) return;
  image.depth[index] = z;
  const unsigned char byte = colourByte(grey);
  std::uint8_t* rgb = &image.rgb[3 * index];
  rgb[0] = byte;
  rgb[1] = byte;
  rgb[2] = byte;
}

bool insideImage(const RasterImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

// Smallest and largest pixel index whose centre lies within [low, high]
// subpixels.
int firstCentreAtOrAbove(std::int64_t low) {
  const std::int64_t half = kSubpixelSteps / 2;
  // ceil((low - half) / steps) for either sign.
  const std::int64_t shifted = low - half;
  return static_cast<int>(shifted >= 0 ? (shifted + kSubpixelSteps - 1) / kSubpixelSteps
                                       : -((-shifted) / kSubpixelSteps));
}

int lastCentreAtOrBelow(std::int64_t high) {
  const std::int64_t half = kSubpixelSteps / 2;
  const std::int64_t shifted = high - half;
  return static_cast<int>(shifted >= 0 ? shifted / kSubpixelSteps
                                       : -((-shifted + kSubpixelSteps - 1) / kSubpixelSteps));
}

double snapped(float value) {
  return static_cast<double>(toStep(double{value} * kSubpixelSteps)) / kSubpixelSteps;
}

// On the minor axis of a line, the pixel whose centre lies within
// [v - 1/2, v + 1/2): a line through a border between pixels takes the one
// on the left, or below.
int lineMinorPixel(double v) { return static_cast<int>(std::ceil(v)) - 1; }

// Whether (x, y) lies strictly inside the diamond of the pixel holding it.
bool insideOwnDiamond(double x, double y) {
  const double cx = std::floor(x) + 0.5;
  const double cy = std::floor(y) + 0.5;
  return std::fabs(x - cx) + std::fabs(y - cy) < 0.5;
}

}  // namespace

unsigned char colourByte(float value) {
  const float clamped = std::min(std::max(value, 0.0f), 1.0f);
  return static_cast<unsigned char>(std::lround(double{clamped} * 255.0));
}

double windowArea(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c) {
  const double steps = kSubpixelSteps;
  return static_cast<double>(area2(snap(a), snap(b), snap(c))) / (steps * steps);
}

void fillTriangle(RasterImage& image, const WindowVertex& a, const WindowVertex& b,
                  const WindowVertex& c) {
  const Snapped sa = snap(a);
  Snapped sb = snap(b);
  Snapped sc = snap(c);
  const WindowVertex* va = &a;
  const WindowVertex* vb = &b;
  const WindowVertex* vc = &c;
  std::int64_t area = area2(sa, sb, sc);
  if (area == 0) return;
  if (area < 0) {
    std::swap(sb, sc);
    std::swap(vb, vc);
    area = -area;
  }
  const int left = std::max(firstCentreAtOrAbove(std::min({sa.x, sb.x, sc.x})), 0);
  const int right = std::min(lastCentreAtOrBelow(std::max({sa.x, sb.x, sc.x})), image.width - 1);
  const int bottom = std::max(firstCentreAtOrAbove(std::min({sa.y, sb.y, sc.y})), 0);
  const int top = std::min(lastCentreAtOrBelow(std::max({sa.y, sb.y, sc.y})), image.height - 1);
  if (left > right || bottom > top) return;

  const std::int64_t centreX = std::int64_t{left} * kSubpixelSteps + kSubpixelSteps / 2;
  const std::int64_t centreY = std::int64_t{bottom} * kSubpixelSteps + kSubpixelSteps / 2;
  // Edge k is the one opposite corner k, so its value weighs that corner.
  const Edge edges[3] = {makeEdge(sb, sc, centreX, centreY), makeEdge(sc, sa, centreX, centreY),
                         makeEdge(sa, sb, centreX, centreY)};
  const double inverseArea = 1.0 / static_cast<double>(area);
  const double wa = va->inverseW;
  const double wb = vb->inverseW;
  const double wc = vc->inverseW;
  for (int y = bottom; y <= top; ++y) {
    const std::int64_t rows = y - bottom;
    std::int64_t e0 = edges[0].value + rows * edges[0].stepY;
    std::int64_t e1 = edges[1].value + rows * edges[1].stepY;
    std::int64_t e2 = edges[2].value + rows * edges[2].stepY;
    for (int x = left; x <= right; ++x) {
      if (e0 + edges[0].bias >= 0 && e1 + edges[1].bias >= 0 && e2 + edges[2].bias >= 0) {
        const double l0 = static_cast<double>(e0) * inverseArea;
        const double l1 = static_cast<double>(e1) * inverseArea;
        const double l2 = static_cast<double>(e2) * inverseArea;
        const double z = l0 * va->z + l1 * vb->z + l2 * vc->z;
        const double p0 = l0 * wa;
        const double p1 = l1 * wb;
        const double p2 = l2 * wc;
        const double grey = (p0 * va->grey + p1 * vb->grey + p2 * vc->grey) / (p0 + p1 + p2);
        writeFragment(image, x, y, static_cast<float>(z), static_cast<float>(grey));
      }
      e0 += edges[0].stepX;
      e1 += edges[1].stepX;
      e2 += edges[2].stepX;
    }
  }
}

void drawLine(RasterImage& image, const WindowVertex& a, const WindowVertex& b) {
  const double ax = snapped(a.x);
  const double ay = snapped(a.y);
  const double bx = snapped(b.x);
  const double by = snapped(b.y);
  const double dx = bx - ax;
  const double dy = by - ay;
  if (dx == 0.0 && dy == 0.0) return;
  // Walk the major axis: one pixel for every pixel centre line it crosses.
  const bool xMajor = std::fabs(dx) >= std::fabs(dy);
  const double start = xMajor ? ax : ay;
  const double end = xMajor ? bx : by;
  const double span = xMajor ? dx : dy;
  const int endX = static_cast<int>(std::floor(bx));
  const int endY = static_cast<int>(std::floor(by));
  // The segment stays inside the diamond holding b: that pixel is not left.
  const bool endInside = insideOwnDiamond(bx, by);
  const auto fragmentAt = [&](double t, int x, int y) {
    if (endInside && x == endX && y == endY) return;
    if (!insideImage(image, x, y)) return;
    // Depth linear in window space, grey with perspective correction.
    const double wa = (1.0 - t) * a.inverseW;
    const double wb = t * b.inverseW;
    const double grey = (wa * a.grey + wb * b.grey) / (wa + wb);
    writeFragment(image, x, y, static_cast<float>(a.z + (double{b.z} - a.z) * t),
                  static_cast<float>(grey));
  };
  // Starting inside a diamond past its centre line the segment crosses no
  // centre line there, but it still leaves that diamond.
  const double startCentre = std::floor(start) + 0.5;
  const bool pastCentre = span > 0.0 ? start > startCentre : start < startCentre;
  if (pastCentre && insideOwnDiamond(ax, ay)) {
    fragmentAt(0.0, static_cast<int>(std::floor(ax)), static_cast<int>(std::floor(ay)));
  }
  const int step = span > 0.0 ? 1 : -1;
  const int first = static_cast<int>(span > 0.0 ? std::ceil(start - 0.5) : std::floor(start - 0.5));
  const int last = static_cast<int>(span > 0.0 ? std::floor(end - 0.5) : std::ceil(end - 0.5));
  for (int i = first; step > 0 ? i <= last : i >= last; i += step) {
    const double t = (i + 0.5 - start) / span;
    const double minor = xMajor ? ay + dy * t : ax + dx * t;
    const int j = lineMinorPixel(minor);
    if (xMajor) {
      fragmentAt(t, i, j);
    } else {
      fragmentAt(t, j, i);
    }
  }
}

void drawPoint(RasterImage& image, const WindowVertex& a) {
  const int x = static_cast<int>(std::floor(snapped(a.x)));
  const int y = static_cast<int>(std::floor(snapped(a.y)));
  if (!insideImage(image, x, y)) return;
  writeFragment(image, x, y, a.z, a.grey);
}
