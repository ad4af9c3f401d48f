#ifndef CORVANE_VECTOR4_H_
#define CORVANE_VECTOR4_H_

#include <type_traits>

// A point in homogeneous coordinates: four 32-bit floats, a plain value type
// for Corvane's vertex pipeline. Object and eye points carry w = 1; a clip
// point carries the w its projection gave it (the eye distance, -z_eye, for a
// perspective projection), and dividing x, y and z by it gives the point in
// normalised device coordinates.
struct Vector4 {
  float x;
  float y;
  float z;
  float w;
};

static_assert(std::is_trivially_copyable_v<Vector4>);
static_assert(sizeof(Vector4) == 4 * sizeof(float));

#endif  // CORVANE_VECTOR4_H_
