#include "bench/inspector_bench.h"

#include <GL/freeglut.h>

#include <chrono>
#include <vector>

#include "app/panel.h"
#include "app/state.h"
#include "bench/panel_bench.h"
#include "inspect/inspector.h"
#include "scene/view.h"

namespace bench {

void openInspectorForBench() {
  openInspector(controlPanelWindow());
  settleWindows();
}

Summary timeInspectorRefresh(int count) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> samples;
  const int window = inspectorWindow();
  if (window == 0) return summarize(samples);
  // One frame of the drawing window first, so the snapshot is current.
  glutSetWindow(windowIds[0]);
  display();
  for (int i = 0; i < count + 5; ++i) {
    glutPostWindowRedisplay(window);
    const Clock::time_point start = Clock::now();
    glutMainLoopEvent();
    glutSetWindow(window);
    glFinish();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (i >= 5) samples.push_back(ms);
  }
  glutSetWindow(windowIds[0]);
  return summarize(samples);
}

}  // namespace bench
