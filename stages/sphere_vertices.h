#ifndef STAGES_SPHERE_VERTICES_H_
#define STAGES_SPHERE_VERTICES_H_

// The distinct vertices of the sphere as the drawing window draws it at a
// subdivision depth: the same floats, made by scene/icosphere.h's midpoint
// and normalizePoint in subdivide's order, each kept once (the first time
// it is drawn). 12 at depth 0, 10 * 4^depth + 2 in general.

#include <vector>

#include "camera/vector3.h"

std::vector<Vector3> sphereVertices(int depth);

#endif  // STAGES_SPHERE_VERTICES_H_
