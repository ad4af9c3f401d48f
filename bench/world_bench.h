#ifndef BENCH_WORLD_BENCH_H_
#define BENCH_WORLD_BENCH_H_

// The world view's frame: drawWorldPicture and the buffer swap, ended by
// glFinish, in the world view's own window and context, at a given panel
// depth (the world view draws at most depth 3 whatever it is).

#include "bench/stats.h"

namespace bench {

// Opens the world view (once) and times `frames` frames of it, milliseconds
// each, after one untimed frame. The drawing window is current again on
// return.
Summary timeWorldFrames(int panelDepth, int frames);

}  // namespace bench

#endif  // BENCH_WORLD_BENCH_H_
