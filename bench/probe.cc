// LD_PRELOAD library for the running-program figures: wraps glXSwapBuffers to
// time each window's first swapped frame, and glTranslatef and glRotatef to
// count drag steps. Each wrapper forwards to the next definition in load
// order, the real one. Without VIEWER_PROBE_FILE it only forwards.

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

#include "bench/probe.h"

namespace {

bench::ProbeRecord* record;

__attribute__((constructor)) void openRecord() {
  const char* path = std::getenv("VIEWER_PROBE_FILE");
  if (path == nullptr) return;
  const int fd = open(path, O_RDWR | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return;
  if (ftruncate(fd, sizeof(bench::ProbeRecord)) == 0) {
    void* mapped = mmap(nullptr, sizeof(bench::ProbeRecord), PROT_READ | PROT_WRITE, MAP_SHARED,
                        fd, 0);
    if (mapped != MAP_FAILED) {
      record = static_cast<bench::ProbeRecord*>(mapped);
      record->magic = bench::kProbeMagic;
    }
  }
  close(fd);
}

std::uint64_t monotonicNs() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u + now.tv_nsec;
}

void noteSwap(GLXDrawable drawable) {
  ++record->swapCount;
  const std::uint64_t used = record->drawableCount;
  for (std::uint64_t i = 0; i < used; ++i) {
    if (record->firstSwap[i].drawable == drawable) return;
  }
  if (used == bench::kProbeDrawables) return;
  record->firstSwap[used].drawable = drawable;
  record->firstSwap[used].monotonicNs = monotonicNs();
  record->drawableCount = used + 1;
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
  static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
  real(display, drawable);
  if (record != nullptr) noteSwap(drawable);
}

extern "C" void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  static const auto real = next<void (*)(GLfloat, GLfloat, GLfloat)>("glTranslatef");
  if (record != nullptr) ++record->translatefCalls;
  real(x, y, z);
}

extern "C" void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  static const auto real = next<void (*)(GLfloat, GLfloat, GLfloat, GLfloat)>("glRotatef");
  if (record != nullptr) ++record->rotatefCalls;
  real(angle, x, y, z);
}
