#include "app/last_step.h"

#include <cstring>

DragStepRecord lastDragStep;

CorvaneCellSteps corvaneCellSteps;

void tallyCorvaneStep(const Matrix4& before, const Matrix4& after, int mode, int axis) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const float was = before.at(row, column);
      const float is = after.at(row, column);
      if (std::memcmp(&was, &is, sizeof was) != 0) {
        corvaneCellSteps.changedBy[row][column][mode][axis] += 1;
      }
    }
  }
}
