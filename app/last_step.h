#ifndef APP_LAST_STEP_H_
#define APP_LAST_STEP_H_

// The last drag step, as dragStep handed it to the camera, OpenGL and
// Corvane. Written by every drag step; the inspector shows it. Recording it
// makes no GL call and changes nothing the step does.

#include <type_traits>

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

#endif  // APP_LAST_STEP_H_
