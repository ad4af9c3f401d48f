#include "bench/frame_bench.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/state.h"
#include "bench/reference_frame.h"
#include "scene/view.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

template <typename Draw>
double timeFrameMs(Draw draw) {
  const Clock::time_point start = Clock::now();
  draw();
  glFinish();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Draw>
std::vector<GLfloat> feedbackOf(Draw draw, std::size_t size) {
  std::vector<GLfloat> buffer(size);
  glFeedbackBuffer(static_cast<GLsizei>(size), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  buffer.resize(used < 0 ? 0 : static_cast<std::size_t>(used));
  return buffer;
}

// Reads every corner once, as words, so the compiler may vectorise the pass
// and it costs little more than the memory traffic.
double timeReadMs(const ReferenceFrame& frame) {
  const Clock::time_point start = Clock::now();
  std::uint32_t mix = 0;
  for (float value : frame.corners) {
    std::uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    mix ^= word;
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  volatile std::uint32_t sink = mix;
  static_cast<void>(sink);
  return ms;
}

AllocationCount fieldwiseMax(const AllocationCount& a, const AllocationCount& b) {
  AllocationCount most;
  most.total = std::max(a.total, b.total);
  most.executable = std::max(a.executable, b.executable);
  most.libraries = std::max(a.libraries, b.libraries);
  return most;
}

}  // namespace

FrameComparison compareFrames(int depth, double seconds, int minPairs) {
  subdivisions = depth;
  const ReferenceFrame frame = captureReferenceFrame(depth);
  auto program = [] { display(); };
  auto reference = [&frame] { drawReferenceFrame(frame); };
  timeFrameMs(program);
  timeFrameMs(reference);

  std::vector<double> programMs;
  std::vector<double> referenceMs;
  std::vector<double> ratios;
  const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                        std::chrono::duration<double>(seconds));
  for (int pair = 0; pair < minPairs || Clock::now() < deadline; ++pair) {
    double a;
    double b;
    if (pair % 2 == 0) {
      a = timeFrameMs(program);
      b = timeFrameMs(reference);
    } else {
      b = timeFrameMs(reference);
      a = timeFrameMs(program);
    }
    programMs.push_back(a);
    referenceMs.push_back(b);
    ratios.push_back(a / b);
  }

  FrameComparison result;
  result.depth = depth;
  result.triangles = static_cast<long>(frame.corners.size() / 9);
  result.program = summarize(programMs);
  result.reference = summarize(referenceMs);
  result.pairedRatio = summarize(ratios).median;
  std::vector<double> readMs;
  for (int i = 0; i < 5; ++i) readMs.push_back(timeReadMs(frame));
  result.referenceReadMs = summarize(readMs).median;
  return result;
}

bool referenceMatchesDisplay(int depth) {
  subdivisions = depth;
  const ReferenceFrame frame = captureReferenceFrame(depth);
  // Per triangle at most three line segments of two 7-float vertices and a
  // token each, or one polygon of three vertices with a token and a count.
  const std::size_t size = frame.corners.size() / 9 * 48 + 64;
  const std::vector<GLfloat> program = feedbackOf([] { display(); }, size);
  const std::vector<GLfloat> reference = feedbackOf([&frame] { drawReferenceFrame(frame); }, size);
  return !program.empty() && program.size() == reference.size() &&
         std::memcmp(program.data(), reference.data(), program.size() * sizeof(GLfloat)) == 0;
}

FrameAllocations countFrameAllocations(int depth, int frames) {
  subdivisions = depth;
  const ReferenceFrame frame = captureReferenceFrame(depth);
  // The first frame after a change of depth or state may set up driver
  // caches; that is not a per-frame cost.
  display();
  drawReferenceFrame(frame);
  glFinish();
  FrameAllocations worst;
  for (int i = 0; i < frames; ++i) {
    startCountingAllocations();
    display();
    glFinish();
    worst.program = fieldwiseMax(worst.program, stopCountingAllocations());
    startCountingAllocations();
    drawReferenceFrame(frame);
    glFinish();
    worst.reference = fieldwiseMax(worst.reference, stopCountingAllocations());
  }
  return worst;
}

}  // namespace bench
