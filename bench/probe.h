#ifndef BENCH_PROBE_H_
#define BENCH_PROBE_H_

// The record that the probe library (libviewer_probe.so, loaded into the
// running viewer with LD_PRELOAD) keeps in the file named by the environment
// variable VIEWER_PROBE_FILE. The file is mapped shared, so scripts/run-bench
// reads the figures while the viewer runs.
//
// The record is text, one `name=value` line per figure, rewritten whole on
// every change and padded with NUL bytes to kProbeFileBytes:
//
//   translatef_calls=N    glTranslatef calls: one per TRANSLATE drag step
//   rotatef_calls=N       glRotatef calls: one per ROTATE drag step
//   swaps=N               glXSwapBuffers calls, all drawables
//   first_swap.W=T        for each X window W swapped (up to kProbeDrawables),
//                         when its first swap returned
//
// Numbers are decimal; times are CLOCK_MONOTONIC nanoseconds. A reader may
// catch a rewrite half done, so it reads until two reads agree.

namespace bench {

constexpr int kProbeDrawables = 8;
constexpr int kProbeFileBytes = 1024;

}  // namespace bench

#endif  // BENCH_PROBE_H_
