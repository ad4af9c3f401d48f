#include "bench/world_bench.h"

#include <GL/freeglut.h>

#include <chrono>
#include <vector>

#include "app/state.h"
#include "world/observer.h"
#include "world/world_picture.h"
#include "world/world_view.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double worldFrameMs() {
  const Clock::time_point start = Clock::now();
  drawWorldPicture(startObserver(), 400, 400);
  glutSwapBuffers();
  glFinish();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

Summary timeWorldFrames(int panelDepth, int frames) {
  static const int world = openWorldView();
  const int savedDepth = subdivisions;
  subdivisions = panelDepth;
  glutSetWindow(world);
  worldFrameMs();
  std::vector<double> samples;
  for (int i = 0; i < frames; ++i) samples.push_back(worldFrameMs());
  subdivisions = savedDepth;
  glutSetWindow(windowIds[0]);
  return summarize(samples);
}

}  // namespace bench
