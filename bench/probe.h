#ifndef BENCH_PROBE_H_
#define BENCH_PROBE_H_

// Layout of the record that the probe library (libviewer_probe.so, loaded into
// the running viewer with LD_PRELOAD) keeps in the file named by the
// environment variable VIEWER_PROBE_FILE. The file is mapped shared, so
// scripts/run-bench reads the figures while the viewer runs. All fields are
// little-endian 64-bit integers; times are CLOCK_MONOTONIC nanoseconds.

#include <cstdint>

namespace bench {

constexpr std::uint64_t kProbeMagic = 0x31626f7270776976;  // "viwprob1"
constexpr int kProbeDrawables = 8;

struct ProbeRecord {
  std::uint64_t magic;
  std::uint64_t translatefCalls;  // glTranslatef: one per TRANSLATE drag step
  std::uint64_t rotatefCalls;     // glRotatef: one per ROTATE drag step
  std::uint64_t swapCount;        // glXSwapBuffers, all drawables
  std::uint64_t drawableCount;    // entries used in firstSwap
  struct {
    std::uint64_t drawable;       // the X window swapped
    std::uint64_t monotonicNs;    // when its first swap returned
  } firstSwap[kProbeDrawables];
};

}  // namespace bench

#endif  // BENCH_PROBE_H_
