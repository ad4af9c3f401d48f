#ifndef INSPECT_INSPECTOR_SNAPSHOT_H_
#define INSPECT_INSPECTOR_SNAPSHOT_H_

// What the inspector shows: everything taken at the end of one frame of the
// drawing window, so that all of it belongs to the same moment.

#include <type_traits>

#include "app/last_step.h"
#include "camera/camera.h"
#include "corvane/matrix4.h"
#include "inspect/inspector_text.h"

struct InspectorSnapshot {
  long frame;  // frames of the drawing window since the inspector opened; 0: none yet
  // Read back from the drawing window's context right after its buffer swap.
  Matrix4 openGlModelView;
  Matrix4 openGlProjection;
  // Copied from the program's state at the same moment.
  Matrix4 corvaneModelView;
  Matrix4 corvaneProjection;
  Camera camera;
  DragStepRecord step;
  ProjectionInputs projection;
};

static_assert(std::is_trivially_copyable_v<InspectorSnapshot>);

#endif  // INSPECT_INSPECTOR_SNAPSHOT_H_
