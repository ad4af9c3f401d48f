#include "bench/stages_bench.h"

#include <GL/freeglut.h>

#include <chrono>
#include <vector>

#include "app/panel.h"
#include "app/state.h"
#include "scene/view.h"
#include "stages/stages_window.h"
#include "stages/vertex_trace.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

Summary timeStagesFrames(int panelDepth, int frames) {
  static const int window = openPipelineStages({windowIds[0], controlPanelWindow()});
  const int savedDepth = subdivisions;
  subdivisions = panelDepth;
  glutSetWindow(windowIds[0]);
  display();
  std::vector<double> samples;
  for (int i = 0; i < frames + 5; ++i) {
    glutPostWindowRedisplay(window);
    const Clock::time_point start = Clock::now();
    glutMainLoopEvent();
    glutSetWindow(window);
    glFinish();
    if (i >= 5) samples.push_back(since(start));
  }
  subdivisions = savedDepth;
  glutSetWindow(windowIds[0]);
  return summarize(samples);
}

Summary timeTraces(int panelDepth, int count) {
  const int savedDepth = subdivisions;
  subdivisions = panelDepth;
  glutSetWindow(windowIds[0]);
  traceVertexAtPixel(200, 200);  // makes the private context
  std::vector<double> samples;
  for (int i = 0; i < count; ++i) {
    const Clock::time_point start = Clock::now();
    traceVertexAtPixel(200, 200);
    samples.push_back(since(start));
  }
  subdivisions = savedDepth;
  return summarize(samples);
}

}  // namespace bench
