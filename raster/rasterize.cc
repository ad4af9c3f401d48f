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

// y's steps with halves rounded down: OpenGL's framebuffer counts rows from
// the top and rounds halves up there. ceil(v - 1/2), as truncation plus one
// where it fell short.
std::int64_t toStepY(double v) {
  const double u = v - 0.5;
  if (!(std::fabs(u) < 1.0e15)) return static_cast<std::int64_t>(std::ceil(u));
  const std::int64_t t = static_cast<std::int64_t>(u);
  return static_cast<double>(t) < u ? t + 1 : t;
}

Snapped snapPoint(double x, double y) {
  return Snapped{toStep(x * kSubpixelSteps), toStepY(y * kSubpixelSteps)};
}

Snapped snap(const WindowVertex& v) { return snapPoint(v.x, v.y); }

// Twice the signed area of (p, q, r), in squared subpixel steps.
std::int64_t area2(const Snapped& p, const Snapped& q, const Snapped& r) {
  return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
}

// The edge p -> q of a counter-clockwise polygon as a function of the pixel
// centre: positive inside, 0 on the edge. bias makes the fill rule a plain
// ">= 0": 0 for a bottom or left edge (its pixels are drawn), -1 otherwise.
// That is the rule llvmpipe follows with y up; OpenGL leaves the choice to
// the implementation and asks only that a shared edge be drawn once.
struct Edge {
  std::int64_t value;  // at the first pixel centre of the box
  std::int64_t stepX;  // change per pixel to the right
  std::int64_t stepY;  // change per pixel up
  std::int64_t bias;
};

Edge makeEdge(const Snapped& p, const Snapped& q, std::int64_t centreX, std::int64_t centreY) {
  const std::int64_t dx = q.x - p.x;
  const std::int64_t dy = q.y - p.y;
  // Counter-clockwise with y up: a left edge runs downwards, a bottom edge
  // left to right.
  const bool bottomOrLeft = dy < 0 || (dy == 0 && dx > 0);
  Edge edge;
  edge.value = dx * (centreY - p.y) - dy * (centreX - p.x);
  edge.stepX = -dy * kSubpixelSteps;
  edge.stepY = dx * kSubpixelSteps;
  edge.bias = bottomOrLeft ? 0 : -1;
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
                  const WindowVertex& c, bool frontOnly) {
  const Snapped sa = snap(a);
  Snapped sb = snap(b);
  Snapped sc = snap(c);
  const WindowVertex* va = &a;
  const WindowVertex* vb = &b;
  const WindowVertex* vc = &c;
  std::int64_t area = area2(sa, sb, sc);
  if (area == 0 || (frontOnly && area < 0)) return;
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

// A line is drawn as llvmpipe draws it: as the parallelogram one pixel
// across the minor axis (its long edges half a pixel either side of the
// segment, its ends square to the major axis), snapped and filled by the
// polygon rule. An end inside its pixel's diamond is first moved along the
// segment to that pixel's border, so that the start's pixel is drawn and
// the end's is not, as the diamond-exit rule asks.
void drawLine(RasterImage& image, const WindowVertex& a, const WindowVertex& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  if (dx == 0.0 && dy == 0.0) return;
  const bool xMajor = std::fabs(dx) >= std::fabs(dy);
  // Major and minor coordinates of the two ends.
  const double major0 = xMajor ? a.x : a.y;
  const double minor0 = xMajor ? a.y : a.x;
  const double major1 = xMajor ? b.x : b.y;
  const double minor1 = xMajor ? b.y : b.x;
  const bool forwards = major1 > major0;
  const double slope = (minor1 - minor0) / (major1 - major0);
  // Where an end lies on its pixel's centre line, llvmpipe moves a start
  // only when the line runs backwards and an end either way.
  const double centre0 = std::floor(major0) + 0.5;
  const double centre1 = std::floor(major1) + 0.5;
  const bool moveStart =
      insideOwnDiamond(a.x, a.y) && (forwards ? major0 > centre0 : major0 <= centre0);
  const bool moveEnd =
      insideOwnDiamond(b.x, b.y) && (forwards ? major1 >= centre1 : major1 <= centre1);
  // The border behind an end, in the direction the line runs.
  const double behind0 = forwards ? std::floor(major0) : std::floor(major0) + 1.0;
  const double behind1 = forwards ? std::floor(major1) : std::floor(major1) + 1.0;
  const double cap0 = moveStart ? behind0 : major0;
  const double cap1 = moveEnd ? behind1 : major1;
  if (forwards ? cap1 <= cap0 : cap1 >= cap0) return;
  const double capMinor0 = minor0 + (cap0 - major0) * slope;
  const double capMinor1 = minor1 + (cap1 - major1) * slope;
  const auto corner = [xMajor](double major, double minor) {
    return xMajor ? snapPoint(major, minor) : snapPoint(minor, major);
  };
  Snapped quad[4] = {corner(cap0, capMinor0 - 0.5), corner(cap1, capMinor1 - 0.5),
                     corner(cap1, capMinor1 + 0.5), corner(cap0, capMinor0 + 0.5)};
  if (area2(quad[0], quad[1], quad[2]) + area2(quad[0], quad[2], quad[3]) < 0) {
    std::swap(quad[1], quad[3]);
  }
  Edge edges[4];
  // Each edge's value at the centre of pixel (0, 0), then per pixel.
  constexpr std::int64_t kHalf = kSubpixelSteps / 2;
  for (int k = 0; k < 4; ++k) edges[k] = makeEdge(quad[k], quad[(k + 1) % 4], kHalf, kHalf);
  const auto covers = [&edges](int x, int y) {
    for (const Edge& edge : edges) {
      if (edge.value + x * edge.stepX + y * edge.stepY + edge.bias < 0) return false;
    }
    return true;
  };
  const double span = major1 - major0;
  const int first = static_cast<int>(std::floor(std::min(cap0, cap1)));
  const int last = static_cast<int>(std::ceil(std::max(cap0, cap1)));
  for (int i = first; i <= last; ++i) {
    const double centre = i + 0.5;
    // The parallelogram is one pixel across, so it holds the centre of the
    // pixel nearest the segment at this column or, after snapping, one
    // beside it.
    const int nearest = static_cast<int>(std::floor(minor0 + (centre - major0) * slope));
    // Depth linear in window space, grey with perspective correction, both
    // carried past an end that was moved, as OpenGL carries them (but for
    // weights that no longer make sense, which take the nearer end's grey).
    const double t = (centre - major0) / span;
    const double wa = (1.0 - t) * a.inverseW;
    const double wb = t * b.inverseW;
    const double weights = wa + wb;
    const double grey =
        weights > 0.0 ? (wa * a.grey + wb * b.grey) / weights : (t < 0.5 ? a.grey : b.grey);
    const double z = std::min(std::max(a.z + (double{b.z} - a.z) * t, 0.0), 1.0);
    for (int j = nearest - 1; j <= nearest + 1; ++j) {
      const int x = xMajor ? i : j;
      const int y = xMajor ? j : i;
      if (!insideImage(image, x, y) || !covers(x, y)) continue;
      writeFragment(image, x, y, static_cast<float>(z), static_cast<float>(grey));
    }
  }
}

void drawPoint(RasterImage& image, const WindowVertex& a) {
  const Snapped at = snap(a);
  const int x = static_cast<int>(std::floor(static_cast<double>(at.x) / kSubpixelSteps));
  const int y = static_cast<int>(std::floor(static_cast<double>(at.y) / kSubpixelSteps));
  if (!insideImage(image, x, y)) return;
  writeFragment(image, x, y, a.z, a.grey);
}
