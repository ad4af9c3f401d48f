#ifndef BENCH_RASTER_BENCH_H_
#define BENCH_RASTER_BENCH_H_

// Corvane's frame beside OpenGL's: the drawing window's display() ended by
// glFinish, and Corvane's rasterizer drawing the same frame into its image
// (what the "Corvane Raster" window does after each frame, without the
// read-back), in alternation, in the current window (400 by 400), lit and
// solid, at one depth. Also the heap allocations of Corvane's frames once
// its buffers exist.

#include "bench/alloc_counter.h"
#include "bench/stats.h"

namespace bench {

struct RasterComparison {
  int depth = 0;
  Summary corvane;                     // milliseconds per frame
  Summary openGl;                      // milliseconds per frame
  AllocationCount corvaneAllocations;  // over all timed Corvane frames
};

RasterComparison compareRasterFrames(int depth, int frames);

}  // namespace bench

#endif  // BENCH_RASTER_BENCH_H_
