#include "bench/drag_bench.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "app/state.h"
#include "camera/navigation.h"

namespace bench {

const DragMode kDragModes[kDragModeCount] = {
    {"TRANSLATE Z", 0, 2, 0},
    {"TRANSLATE X, Look at Object", 0, 0, 1},
    {"ROTATE Y", 1, 1, 0},
};

namespace {

constexpr int kPressX = 200;
constexpr int kPressY = 200;

// A press at (kPressX, kPressY) on a camera in its reset pose. The pointer
// then moves one pixel right and back, so the camera oscillates about its
// start instead of drifting off.
void startDrag(const DragMode& mode) {
  navigationMode = mode.navigationMode;
  activeAxis = mode.activeAxis;
  lookAtObject = mode.lookAtObject;
  camera.reset();
  glLoadIdentity();
  lastMouseX = kPressX;
  lastMouseY = kPressY;
}

void moveOnce() { motion(lastMouseX == kPressX ? kPressX + 1 : kPressX, kPressY); }

void restoreStartSelection() { startDrag(kDragModes[0]); }

// Keeps the time per iteration of every repetition, by benchmark name.
class SampleCollector : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      samples[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
    }
  }
  std::map<std::string, std::vector<double>> samples;
};

}  // namespace

std::vector<DragTiming> timeDragSteps(int repetitions, double minSeconds) {
  for (const DragMode& mode : kDragModes) {
    benchmark::RegisterBenchmark(mode.name, [&mode](benchmark::State& state) {
      startDrag(mode);
      for (auto _ : state) moveOnce();
      restoreStartSelection();
    })->Unit(benchmark::kNanosecond);
  }
  std::string name = "viewer_bench";
  std::string repetitionFlag = "--benchmark_repetitions=" + std::to_string(repetitions);
  std::string minTimeFlag = "--benchmark_min_time=" + std::to_string(minSeconds);
  std::string interleaveFlag = "--benchmark_enable_random_interleaving=true";
  char* arguments[] = {name.data(), repetitionFlag.data(), minTimeFlag.data(),
                       interleaveFlag.data(), nullptr};
  int count = 4;
  benchmark::Initialize(&count, arguments);
  SampleCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::ClearRegisteredBenchmarks();

  std::vector<DragTiming> timings;
  for (const DragMode& mode : kDragModes) {
    timings.push_back({mode.name, summarize(collector.samples[mode.name])});
  }
  return timings;
}

AllocationCount countDragAllocations(const DragMode& mode, int steps) {
  startDrag(mode);
  moveOnce();
  startCountingAllocations();
  for (int i = 0; i < steps; ++i) moveOnce();
  const AllocationCount count = stopCountingAllocations();
  restoreStartSelection();
  return count;
}

}  // namespace bench
