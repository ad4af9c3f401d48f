#include "inspect/matrix_pair.h"

MatrixPair pairOf(const Matrix4& openGl, const Matrix4& corvane) {
  MatrixPair pair{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const float a = openGl.at(row, column);
      const float b = corvane.at(row, column);
      pair.openGl[row][column] = printedNumber(a);
      pair.corvane[row][column] = printedNumber(b);
      pair.match[row][column] = matchCells(a, b);
      ++pair.count[static_cast<int>(pair.match[row][column])];
    }
  }
  return pair;
}
