#ifndef APP_LAST_STEP_H_
#define APP_LAST_STEP_H_

// The last drag step, as dragStep handed it to the camera, OpenGL and
// Corvane. Written by every drag step; the inspector shows it. Recording it
// makes no GL call and changes nothing the step does.

#include <type_traits>

#include "corvane/matrix4.h"

struct DragStepRecord {
  long count;  // drag steps since start-up; 0: none yet, the other fields unset
  int mode;    // 0 TRANSLATE, 1 ROTATE
  int axis;    // the axis the step used: 0 X (u), 1 Y (v), 2 Z (n)
  int sign;    // +1 or -1, the direction of the mouse movement
  // The one number the step gave to all three: for TRANSLATE, units along the
  // axis; for ROTATE, radians to the camera but degrees to glRotatef and to
  // Corvane's setRotation.
  float amount;
};

static_assert(std::is_trivially_copyable_v<DragStepRecord>);

extern DragStepRecord lastDragStep;

// For each cell of the Corvane model-view (row, column, as in mathematics),
// how many drag steps changed its bits, by the kind of step: [mode][axis],
// mode 0 TRANSLATE, 1 ROTATE; axis 0 X, 1 Y, 2 Z. A cell no step changed
// still holds the identity's value.
struct CorvaneCellSteps {
  long changedBy[4][4][2][3];
};

static_assert(std::is_trivially_copyable_v<CorvaneCellSteps>);

extern CorvaneCellSteps corvaneCellSteps;

// Counts the step (mode, axis) against every cell whose bits differ between
// the Corvane model-view before the step and after it.
void tallyCorvaneStep(const Matrix4& before, const Matrix4& after, int mode, int axis);

#endif  // APP_LAST_STEP_H_
