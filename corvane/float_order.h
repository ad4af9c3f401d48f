#ifndef CORVANE_FLOAT_ORDER_H_
#define CORVANE_FLOAT_ORDER_H_

// OpenGL's own matrix arithmetic as Mesa works it: in float, every sum of
// four products taken left to right, with no fused multiply-add. Corvane's
// stages round once from double instead; these serve where Corvane must land
// on OpenGL's very floats (the look-at matrix, the rasterizer's corners).
// Matrices are column-major float[16], as OpenGL stores them.

// Row i of m times the 4-vector v: ((m(i,0) v0 + m(i,1) v1) + m(i,2) v2) +
// m(i,3) v3. Inline: the rasterizer calls it four times for every corner.
inline float floatRowTimes(const float* m, int i, const float* v) {
  return ((m[i] * v[0] + m[4 + i] * v[1]) + m[8 + i] * v[2]) + m[12 + i] * v[3];
}

// out = a x b, each element floatRowTimes of a row of a and a column of b.
// out must not be a or b.
inline void floatProduct(const float* a, const float* b, float* out) {
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      out[4 * column + row] = floatRowTimes(a, row, b + 4 * column);
    }
  }
}

#endif  // CORVANE_FLOAT_ORDER_H_
