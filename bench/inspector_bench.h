#ifndef BENCH_INSPECTOR_BENCH_H_
#define BENCH_INSPECTOR_BENCH_H_

// The inspector's cost (viewer --inspect): one refresh of its window, and,
// through compareFrames, the drawing window's frames while it is open.

#include "bench/stats.h"

namespace bench {

// Opens the inspector beside the panel, as the viewer does for --inspect, and
// lets it draw. From then on every display() also takes its snapshot; call it
// after the figures that are meant without the inspector.
void openInspectorForBench();

// Times `count` refreshes of the inspector, milliseconds each: the redraw a
// frame of the drawing window asks for, run by one round of GLUT's loop and
// finished with glFinish in the inspector's context.
Summary timeInspectorRefresh(int count);

}  // namespace bench

#endif  // BENCH_INSPECTOR_BENCH_H_
