// LD_PRELOAD library for the running-program figures: wraps glXSwapBuffers to
// time each window's first swapped frame, and glTranslatef and glRotatef to
// count drag steps, and publishes the figures as bench/probe.h describes.
// Each wrapper forwards to the next definition in load order, the real one.
// Without VIEWER_PROBE_FILE it only forwards.

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/probe.h"

namespace {

char* file;  // the shared mapping, kProbeFileBytes long

struct Figures {
  std::uint64_t translatefCalls = 0;
  std::uint64_t rotatefCalls = 0;
  std::uint64_t swaps = 0;
  int drawables = 0;
  struct {
    std::uint64_t drawable;
    std::uint64_t monotonicNs;
  } firstSwap[bench::kProbeDrawables];
} figures;

void publish() {
  char text[bench::kProbeFileBytes] = {};
  int used =
      std::snprintf(text, sizeof text, "translatef_calls=%llu\nrotatef_calls=%llu\nswaps=%llu\n",
                    static_cast<unsigned long long>(figures.translatefCalls),
                    static_cast<unsigned long long>(figures.rotatefCalls),
                    static_cast<unsigned long long>(figures.swaps));
  for (int i = 0; i < figures.drawables; ++i) {
    used += std::snprintf(text + used, sizeof text - used, "first_swap.%llu=%llu\n",
                          static_cast<unsigned long long>(figures.firstSwap[i].drawable),
                          static_cast<unsigned long long>(figures.firstSwap[i].monotonicNs));
  }
  std::memcpy(file, text, sizeof text);
}

__attribute__((constructor)) void openRecord() {
  const char* path = std::getenv("VIEWER_PROBE_FILE");
  if (path == nullptr) return;
  const int fd = open(path, O_RDWR | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return;
  if (ftruncate(fd, bench::kProbeFileBytes) == 0) {
    void* mapped = mmap(nullptr, bench::kProbeFileBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapped != MAP_FAILED) {
      file = static_cast<char*>(mapped);
      publish();
    }
  }
  close(fd);
}

std::uint64_t monotonicNs() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u + now.tv_nsec;
}

void noteSwap(GLXDrawable drawable, std::uint64_t now) {
  ++figures.swaps;
  bool seen = false;
  for (int i = 0; i < figures.drawables; ++i) seen |= figures.firstSwap[i].drawable == drawable;
  if (!seen && figures.drawables < bench::kProbeDrawables) {
    figures.firstSwap[figures.drawables++] = {drawable, now};
  }
  publish();
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
  static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
  real(display, drawable);
  if (file != nullptr) noteSwap(drawable, monotonicNs());
}

extern "C" void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  static const auto real = next<void (*)(GLfloat, GLfloat, GLfloat)>("glTranslatef");
  if (file != nullptr) {
    ++figures.translatefCalls;
    publish();
  }
  real(x, y, z);
}

extern "C" void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  static const auto real = next<void (*)(GLfloat, GLfloat, GLfloat, GLfloat)>("glRotatef");
  if (file != nullptr) {
    ++figures.rotatefCalls;
    publish();
  }
  real(angle, x, y, z);
}
