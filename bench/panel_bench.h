#ifndef BENCH_PANEL_BENCH_H_
#define BENCH_PANEL_BENCH_H_

// The control panel's share of the process: heap allocations of the panel
// toolkit per panel frame and per panel event. Also the event pumping that
// brings the viewer's two windows up after start-up.

#include "bench/alloc_counter.h"

namespace bench {

// Runs GLUT's event loop for a moment, without blocking, so that both windows
// are mapped, reshaped and drawn once.
void settleWindows();

struct PanelAllocations {
  int frames = 0;
  AllocationCount frameTotal;  // over all frames
  int events = 0;
  AllocationCount eventTotal;  // over all events, each with the frame it causes
};

// Redraws the panel `count` times (an Expose each), then sends it `count`
// pointer motions that each change the hovered control, counting the
// allocations of each with the redraw it causes.
PanelAllocations countPanelAllocations(int count);

}  // namespace bench

#endif  // BENCH_PANEL_BENCH_H_
