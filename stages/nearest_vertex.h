#ifndef STAGES_NEAREST_VERTEX_H_
#define STAGES_NEAREST_VERTEX_H_

// Picking a vertex of the scene by its window position: the vertex of the
// sphere, as the drawing window draws it at a subdivision depth (the same
// floats, made by scene/icosphere.h's own midpoint and normalizePoint), whose
// window position by Corvane's pipeline is nearest to a point of the window.
//
// Order of preference: a vertex in front of the eye (clip w > 0) before any
// behind it (whose window position is a mirror image); then the smaller
// distance in the window's x and y; then the smaller window depth (so the
// front of the sphere wins over the back at the same place); then the first
// in drawing order.
//
// The search descends the subdivision and skips a triangle when a box about
// the part of the sphere it covers projects farther from the point than the
// best vertex so far, so a pick at depth 8 looks at a few hundred vertices,
// not 650,000. The projection must be gluPerspective's (as corvaneProjection
// always is): x and y in clip space from x and y in eye space alone, w = -z.

#include "camera/vector3.h"
#include "corvane/matrix4.h"
#include "corvane/pipeline.h"

// windowX, windowY: window pixels from the bottom left, as Corvane's window
// coordinates count them. depth: the subdivisions, 0..8.
Vector3 nearestVertex(int depth, const Matrix4& lookAt, const Matrix4& projection,
                      Viewport viewport, float windowX, float windowY);

#endif  // STAGES_NEAREST_VERTEX_H_
