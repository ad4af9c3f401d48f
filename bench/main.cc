// viewer_bench: start-up as the viewer does it, then, on its drawing window,
// the frame benchmark against the bare reference, heap allocations per frame,
// per drag step and per panel frame, and the drag-step timings; last, with the
// inspector open, its refresh and the depth-6 frame again. Prints one
// JSON line per figure (bench/report.h); scripts/run-bench makes the table.
//
// --quick shortens every timing, for trying the harness out; its figures are
// not the ones to publish.

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/startup.h"
#include "app/state.h"
#include "bench/drag_bench.h"
#include "bench/frame_bench.h"
#include "bench/inspector_bench.h"
#include "bench/panel_bench.h"
#include "bench/report.h"
#include "bench/stages_bench.h"
#include "bench/raster_bench.h"
#include "bench/world_bench.h"

namespace {

constexpr int kMinDepth = 1;
constexpr int kMaxDepth = 8;
// The deepest level whose feedback fits comfortably in memory for the
// identity check.
constexpr int kCheckedDepth = 6;

struct Settings {
  double frameSeconds = 6.0;  // per depth, both sides together
  int minPairs = 9;
  int dragRepetitions = 15;
  double dragMinSeconds = 0.1;
};

const char* glString(GLenum name) {
  const auto* text = reinterpret_cast<const char*>(glGetString(name));
  return text != nullptr ? text : "unknown";
}

void reportContext() {
  bench::ResultLine("context")
      .add("renderer", std::string(glString(GL_RENDERER)))
      .add("version", std::string(glString(GL_VERSION)))
      .print();
}

void reportReferenceCheck() {
  for (int depth = kMinDepth; depth <= kCheckedDepth; ++depth) {
    bench::ResultLine("identity")
        .add("depth", depth)
        .add("identical", bench::referenceMatchesDisplay(depth))
        .print();
  }
}

// The identity check also under lighting, solid triangles and no culling, so
// that the normals (through the lit colours) and the far half are compared.
void reportLitReferenceCheck() {
  const int savedMode = renderMode;
  const int savedLight = lightOn;
  renderMode = 2;
  lightOn = 1;
  glDisable(GL_CULL_FACE);
  for (int depth = kMinDepth; depth <= kCheckedDepth; ++depth) {
    bench::ResultLine("identity_lit")
        .add("depth", depth)
        .add("identical", bench::referenceMatchesDisplay(depth))
        .print();
  }
  glEnable(GL_CULL_FACE);
  renderMode = savedMode;
  lightOn = savedLight;
}

// The hook must see an allocation made here and one made inside the C
// library, or its zeros would mean nothing.
void reportHookCheck() {
  bench::startCountingAllocations();
  int* own = new int(1);
  benchmark::DoNotOptimize(own);
  char* copy = strdup("bench");
  benchmark::DoNotOptimize(copy);
  const bench::AllocationCount count = bench::stopCountingAllocations();
  free(copy);
  delete own;
  bench::ResultLine("hook_check").add("count", count).print();
}

void reportFrameAllocations() {
  for (int depth = kMinDepth; depth <= kMaxDepth; ++depth) {
    const bench::FrameAllocations counts = bench::countFrameAllocations(depth, 3);
    bench::ResultLine("frame_allocations")
        .add("depth", depth)
        .add("program", counts.program)
        .add("reference", counts.reference)
        .print();
  }
}

bench::ResultLine frameLine(const char* name, int depth, const bench::FrameComparison& result) {
  bench::ResultLine line(name);
  line.add("depth", depth)
      .add("triangles", result.triangles)
      .add("program_ms", result.program)
      .add("reference_ms", result.reference)
      .add("paired_ratio", result.pairedRatio);
  return line;
}

void reportFrameTimings(const Settings& settings) {
  for (int depth = kMinDepth; depth <= kMaxDepth; ++depth) {
    const bench::FrameComparison result =
        bench::compareFrames(depth, settings.frameSeconds, settings.minPairs);
    frameLine("frame", depth, result).add("reference_read_ms", result.referenceReadMs).print();
  }
}

void reportDragAllocations() {
  constexpr int kSteps = 1000;
  for (const bench::DragMode& mode : bench::kDragModes) {
    bench::ResultLine("drag_allocations")
        .add("mode", std::string(mode.name))
        .add("steps", kSteps)
        .add("count", bench::countDragAllocations(mode, kSteps))
        .print();
  }
}

void reportDragTimings(const Settings& settings) {
  for (const bench::DragTiming& timing :
       bench::timeDragSteps(settings.dragRepetitions, settings.dragMinSeconds)) {
    bench::ResultLine("drag").add("mode", timing.mode).add("ns", timing.nanoseconds).print();
  }
}

// Last, as it leaves the inspector open: its refresh, and the depth-6 frame
// with its snapshot taken after every display().
void reportInspector(const Settings& settings) {
  constexpr int kDepth = 6;
  bench::openInspectorForBench();
  bench::ResultLine("inspector_refresh")
      .add("ms", bench::timeInspectorRefresh(settings.minPairs * 20))
      .print();
  glutSetWindow(windowIds[0]);
  const bench::FrameComparison result =
      bench::compareFrames(kDepth, settings.frameSeconds, settings.minPairs);
  frameLine("frame_inspector", kDepth, result).print();
}

void reportPanelAllocations() {
  const bench::PanelAllocations counts = bench::countPanelAllocations(50);
  bench::ResultLine("panel_allocations")
      .add("frames", counts.frames)
      .add("frame", counts.frameTotal)
      .add("events", counts.events)
      .add("event", counts.eventTotal)
      .print();
}

// The world view draws at most depth 3, so its cost must not grow past it.
void reportWorldFrames() {
  for (int depth : {1, 3, kMaxDepth}) {
    bench::ResultLine("world_frame")
        .add("depth", depth)
        .add("ms", bench::timeWorldFrames(depth, 200))
        .print();
  }
}

// The stages window draws the vertices of at most depth 4; a trace picks
// among all of the panel's depth, 8 the worst.
void reportStages() {
  for (int depth : {1, 4, kMaxDepth}) {
    bench::ResultLine("stages_frame")
        .add("depth", depth)
        .add("ms", bench::timeStagesFrames(depth, 100))
        .print();
  }
  for (int depth : {1, 4, kMaxDepth}) {
    bench::ResultLine("trace").add("depth", depth).add("ms", bench::timeTraces(depth, 200)).print();
  }
}

// Corvane's frame against OpenGL's, lit and solid: under 5 ms at depth 3,
// faster than OpenGL's immediate mode at depths 6 to 8.
void reportRasterFrames() {
  for (int depth : {3, 6, 7, 8}) {
    const bench::RasterComparison c = bench::compareRasterFrames(depth, depth >= 7 ? 5 : 20);
    bench::ResultLine("raster_frame")
        .add("depth", depth)
        .add("corvane_ms", c.corvane)
        .add("opengl_ms", c.openGl)
        .add("corvane_alloc", c.corvaneAllocations)
        .print();
  }
}

}  // namespace

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      settings = Settings{1.0, 3, 3, 0.02};
    } else {
      std::fprintf(stderr, "usage: viewer_bench [--quick]\n");
      return 2;
    }
  }
  startViewer();
  bench::settleWindows();
  glutSetWindow(windowIds[0]);

  reportContext();
  reportReferenceCheck();
  reportLitReferenceCheck();
  reportHookCheck();
  reportFrameAllocations();
  reportDragAllocations();
  reportPanelAllocations();
  glutSetWindow(windowIds[0]);
  reportDragTimings(settings);
  reportFrameTimings(settings);
  reportWorldFrames();
  reportStages();
  reportRasterFrames();
  reportInspector(settings);
  return 0;
}
