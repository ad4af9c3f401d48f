#ifndef BENCH_FRAME_BENCH_H_
#define BENCH_FRAME_BENCH_H_

// The frame benchmark: the viewer's display() against the reference frame of
// bench/reference_frame.h, in the same process and GL context, at one
// subdivision depth. Both draw into the current window from the current
// camera, renderMode and lightOn.

#include "bench/alloc_counter.h"
#include "bench/stats.h"

namespace bench {

struct FrameComparison {
  int depth = 0;
  long triangles = 0;
  Summary program;         // display(), milliseconds per frame
  Summary reference;       // the reference frame, milliseconds per frame
  double pairedRatio = 0;  // median over the pairs of program / reference
  // Time to read the reference's precomputed corners alone, milliseconds: a
  // bound on what the reference pays for not computing them.
  double referenceReadMs = 0;
};

// Times display() and the reference in alternation, ABBA order so that a
// drift in machine speed falls on both alike. Each timed frame ends with
// glFinish, so it carries all its own rendering and none of the last frame's.
// Runs pairs until about `seconds` have passed, at least minPairs of them,
// after a warm-up pair.
FrameComparison compareFrames(int depth, double seconds, int minPairs);

// Whether display() and the reference send the same triangles, normals and
// vertices in the same order at this depth, compared bit for bit through GL
// feedback (window coordinates and lit colours) of one frame of each.
bool referenceMatchesDisplay(int depth);

struct FrameAllocations {
  AllocationCount program;
  AllocationCount reference;
};

// Heap allocations during one frame of each: over `frames` frames, the
// largest count of each kind.
FrameAllocations countFrameAllocations(int depth, int frames);

}  // namespace bench

#endif  // BENCH_FRAME_BENCH_H_
