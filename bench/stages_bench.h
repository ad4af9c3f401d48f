#ifndef BENCH_STAGES_BENCH_H_
#define BENCH_STAGES_BENCH_H_

// The "Pipeline Stages" window's frame (one round of GLUT's loop that
// redraws it alone, ended by glFinish in its context) at a panel depth (it
// draws the vertices of at most depth 4), and one `trace X Y` (the pick at
// the panel depth, Corvane's stages and OpenGL's feedback in the trace's
// private context), without printing.

#include "bench/stats.h"

namespace bench {

// Opens the window (once) and times `frames` of its frames, milliseconds
// each, after five untimed ones; the first frame of the drawing window at
// the depth, which rebuilds what the window shows, is not timed. The
// drawing window is current again on return.
Summary timeStagesFrames(int panelDepth, int frames);

// Times `count` traces of the centre pixel at the panel depth, in
// milliseconds each, with the drawing window current.
Summary timeTraces(int panelDepth, int count);

}  // namespace bench

#endif  // BENCH_STAGES_BENCH_H_
