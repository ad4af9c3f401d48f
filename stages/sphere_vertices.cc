#include "stages/sphere_vertices.h"

#include <cstring>
#include <set>
#include <tuple>

#include "scene/icosphere.h"

namespace {

struct Collector {
  std::vector<Vector3>* out;
  std::set<std::tuple<unsigned, unsigned, unsigned>> seen;  // the bits of each kept vertex

  void keep(const float* p) {
    unsigned bits[3];
    std::memcpy(bits, p, sizeof bits);
    if (seen.insert({bits[0], bits[1], bits[2]}).second) out->push_back(Vector3(p[0], p[1], p[2]));
  }

  void visit(const float* p1, const float* p2, const float* p3, int depth) {
    if (depth <= 0) {
      keep(p1);
      keep(p2);
      keep(p3);
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
    visit(p1, m12, m31, depth - 1);
    visit(p2, m23, m12, depth - 1);
    visit(p3, m31, m23, depth - 1);
    visit(m12, m23, m31, depth - 1);
  }
};

}  // namespace

std::vector<Vector3> sphereVertices(int depth) {
  std::vector<Vector3> vertices;
  Collector collector{&vertices, {}};
  for (const int* face : icosahedronFaces) {
    collector.visit(icosahedronVertices[face[0]], icosahedronVertices[face[1]],
                    icosahedronVertices[face[2]], depth);
  }
  return vertices;
}
