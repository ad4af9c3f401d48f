#ifndef BENCH_DRAG_BENCH_H_
#define BENCH_DRAG_BENCH_H_

// The drag-step benchmark: one GLUT motion event handled by the viewer's
// motion(), which runs dragStep (camera, OpenGL matrix call, Corvane product)
// and posts a redisplay. Needs the viewer's drawing window and its context.

#include <string>
#include <vector>

#include "bench/alloc_counter.h"
#include "bench/stats.h"

namespace bench {

struct DragMode {
  const char* name;
  int navigationMode;
  int activeAxis;
  int lookAtObject;
};

// TRANSLATE along Z (the start-up selection), TRANSLATE along X with Look at
// Object (each step re-aims the camera), ROTATE about Y (with the pivot
// translations).
constexpr int kDragModeCount = 3;
extern const DragMode kDragModes[kDragModeCount];

struct DragTiming {
  std::string mode;
  Summary nanoseconds;  // per motion event, one sample per repetition
};

// Times one motion event per mode with Google Benchmark: `repetitions` runs
// of at least minSeconds each, the modes' runs in random interleaving.
std::vector<DragTiming> timeDragSteps(int repetitions, double minSeconds);

// Heap allocations over `steps` motion events in the given mode.
AllocationCount countDragAllocations(const DragMode& mode, int steps);

}  // namespace bench

#endif  // BENCH_DRAG_BENCH_H_
