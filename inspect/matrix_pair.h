#ifndef INSPECT_MATRIX_PAIR_H_
#define INSPECT_MATRIX_PAIR_H_

// A pair of matrices as the inspector shows them: OpenGL's and Corvane's,
// every cell printed as the reports print it and placed at its row and column
// as in mathematics (so a translation is in column 3), and every pair of
// cells matched. No GL, no state.

#include <type_traits>

#include "corvane/matrix4.h"
#include "inspect/cell_match.h"

struct MatrixPair {
  PrintedNumber openGl[4][4];  // [row][column]
  PrintedNumber corvane[4][4];
  CellMatch match[4][4];
  int count[3];  // how many cells of each CellMatch, in its order
};
static_assert(std::is_trivially_copyable_v<MatrixPair>);

MatrixPair pairOf(const Matrix4& openGl, const Matrix4& corvane);

#endif  // INSPECT_MATRIX_PAIR_H_
