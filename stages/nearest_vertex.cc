#include "stages/nearest_vertex.h"

#include <algorithm>
#include <cmath>

#include "scene/icosphere.h"

namespace {

// Float error of the vertices against the exact sphere, with room to spare:
// a bounding ball is grown by this much (world units), and a triangle is
// skipped only when it is this much (pixels) beyond the best.
constexpr double kBallSlack = 1e-5;
constexpr double kPixelSlack = 1e-3;

struct Candidate {
  bool found = false;
  bool behind = false;  // clip w <= 0
  double distance2 = 0.0;
  float depth = 0.0f;
  Vector3 vertex{0.0f, 0.0f, 0.0f};
};

bool better(const Candidate& a, const Candidate& b) {
  if (!b.found) return true;
  if (a.behind != b.behind) return !a.behind;
  if (a.distance2 != b.distance2) return a.distance2 < b.distance2;
  return a.depth < b.depth;
}

class Search {
 public:
  Search(const Matrix4& lookAt, const Matrix4& projection, Viewport viewport, double x, double y)
      : lookAt_(lookAt), projection_(projection), viewport_(viewport), x_(x), y_(y) {}

  void visit(const float* p1, const float* p2, const float* p3, int depth) {
    if (skippable(p1, p2, p3)) return;
    if (depth <= 0) {
      consider(p1);
      consider(p2);
      consider(p3);
      return;
    }
    float m12[3];
    float m23[3];
    float m31[3];
    midpoint(p1, p2, m12);
    midpoint(p2, p3, m23);
    midpoint(p3, p1, m31);
    normalizePoint(m12);
    normalizePoint(m23);
    normalizePoint(m31);
    // The children in subdivide's order, so ties go to the first drawn.
    visit(p1, m12, m31, depth - 1);
    visit(p2, m23, m12, depth - 1);
    visit(p3, m31, m23, depth - 1);
    visit(m12, m23, m31, depth - 1);
  }

  Vector3 best() const { return best_.vertex; }

 private:
  void consider(const float* p) {
    const Vector3 vertex(p[0], p[1], p[2]);
    const CorvaneTrace t = traceThroughCorvane(vertex, lookAt_, projection_, viewport_);
    Candidate c;
    c.found = true;
    c.behind = !(t.clip.w > 0.0f);
    const double dx = double{t.window.x} - x_;
    const double dy = double{t.window.y} - y_;
    c.distance2 = dx * dx + dy * dy;
    c.depth = t.window.z;
    c.vertex = vertex;
    if (better(c, best_)) best_ = c;
  }

  // Eye-space coordinate i (0 x, 1 y, 2 z) of a world point, in double.
  double eyeCoordinate(int i, const double* p) const {
    return ((double{lookAt_.at(i, 0)} * p[0] + double{lookAt_.at(i, 1)} * p[1]) +
            double{lookAt_.at(i, 2)} * p[2]) +
           double{lookAt_.at(i, 3)};
  }

  // The window interval that x / w (or y / w) maps to over the box
  // [c - r, c + r] x [w - r, w + r] with w - r > 0: the extremes of x / w
  // lie at the corners. scale, offset: the projection and viewport mapping
  // of one axis, window = scale * (x / w) + offset.
  static double gap(double c, double w, double r, double scale, double offset, double target) {
    const double ratios[4] = {(c - r) / (w - r), (c - r) / (w + r), (c + r) / (w - r),
                              (c + r) / (w + r)};
    const double first = scale * *std::min_element(ratios, ratios + 4) + offset;
    const double last = scale * *std::max_element(ratios, ratios + 4) + offset;
    const double low = std::min(first, last);
    const double high = std::max(first, last);
    return std::max({0.0, low - target, target - high});
  }

  // Whether no vertex inside the spherical triangle can beat the best: its
  // vertices lie in the ball about the triangle's centre direction through
  // the farthest corner.
  bool skippable(const float* p1, const float* p2, const float* p3) const {
    if (!best_.found || best_.behind) return false;
    double centre[3];
    for (int k = 0; k < 3; ++k) centre[k] = double{p1[k]} + double{p2[k]} + double{p3[k]};
    const double length =
        std::sqrt(centre[0] * centre[0] + centre[1] * centre[1] + centre[2] * centre[2]);
    for (double& c : centre) c /= length;
    double radius = 0.0;
    for (const float* p : {p1, p2, p3}) {
      const double dx = p[0] - centre[0];
      const double dy = p[1] - centre[1];
      const double dz = p[2] - centre[2];
      radius = std::max(radius, std::sqrt(dx * dx + dy * dy + dz * dz));
    }
    radius += kBallSlack;
    const double w = -eyeCoordinate(2, centre);
    if (w + radius < 0.0) return true;  // wholly behind the eye
    if (w - radius <= kBallSlack) return false;
    const double halfWidth = viewport_.width / 2.0;
    const double halfHeight = viewport_.height / 2.0;
    // gluPerspective: x_ndc = P00 x / w - P02, y_ndc = P11 y / w - P12.
    const double dx = gap(eyeCoordinate(0, centre), w, radius, halfWidth * projection_.at(0, 0),
                          halfWidth * -double{projection_.at(0, 2)} + viewport_.x + halfWidth, x_);
    const double dy =
        gap(eyeCoordinate(1, centre), w, radius, halfHeight * projection_.at(1, 1),
            halfHeight * -double{projection_.at(1, 2)} + viewport_.y + halfHeight, y_);
    const double bound = std::sqrt(dx * dx + dy * dy);
    return bound > std::sqrt(best_.distance2) + kPixelSlack;
  }

  const Matrix4& lookAt_;
  const Matrix4& projection_;
  Viewport viewport_;
  double x_;
  double y_;
  Candidate best_;
};

}  // namespace

Vector3 nearestVertex(int depth, const Matrix4& lookAt, const Matrix4& projection,
                      Viewport viewport, float windowX, float windowY) {
  Search search(lookAt, projection, viewport, windowX, windowY);
  for (const int* face : icosahedronFaces) {
    search.visit(icosahedronVertices[face[0]], icosahedronVertices[face[1]],
                 icosahedronVertices[face[2]], depth);
  }
  return search.best();
}
