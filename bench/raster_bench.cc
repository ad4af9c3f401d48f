#include "bench/raster_bench.h"

#include <GL/freeglut.h>

#include <chrono>
#include <vector>

#include "app/state.h"
#include "raster/raster_frame.h"
#include "raster/raster_image.h"
#include "rasterview/scene_triangles.h"
#include "scene/view.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double openGlFrameMs() {
  const Clock::time_point start = Clock::now();
  display();
  glFinish();
  return since(start);
}

// The window's size is read before the timed and counted part: glutGet
// asks the X server, and its replies allocate inside libX11.
double corvaneFrameMs(RasterFrame& frame, RasterImage& image, int width, int height) {
  const Clock::time_point start = Clock::now();
  rasterCurrentFrame(frame, &image, width, height);
  return since(start);
}

}  // namespace

RasterComparison compareRasterFrames(int depth, int frames) {
  const int savedDepth = subdivisions;
  const int savedMode = renderMode;
  const int savedLight = lightOn;
  subdivisions = depth;
  renderMode = 2;
  lightOn = 1;
  static RasterFrame frame;
  static RasterImage image;
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);
  openGlFrameMs();
  corvaneFrameMs(frame, image, width, height);
  // Reserved, so that recording a time allocates nothing in the counted part.
  std::vector<double> openGl;
  std::vector<double> corvane;
  openGl.reserve(static_cast<std::size_t>(frames));
  corvane.reserve(static_cast<std::size_t>(frames));
  AllocationCount allocations;
  for (int i = 0; i < frames; ++i) {
    openGl.push_back(openGlFrameMs());
    startCountingAllocations();
    corvane.push_back(corvaneFrameMs(frame, image, width, height));
    const AllocationCount counted = stopCountingAllocations();
    allocations.total += counted.total;
    allocations.executable += counted.executable;
    allocations.libraries += counted.libraries;
  }
  subdivisions = savedDepth;
  renderMode = savedMode;
  lightOn = savedLight;
  RasterComparison result;
  result.depth = depth;
  result.corvane = summarize(corvane);
  result.openGl = summarize(openGl);
  result.corvaneAllocations = allocations;
  return result;
}

}  // namespace bench
