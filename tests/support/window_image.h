#ifndef TESTS_SUPPORT_WINDOW_IMAGE_H_
#define TESTS_SUPPORT_WINDOW_IMAGE_H_
// The pixels the X server shows in the current GL window: the picture a person sees after the last
// buffer swap, as the program's own grab (picture/window_picture.h) reads it, in a form tests
// index.
#include <cstdint>
#include <vector>

namespace scenetest {

struct Rgb {
  std::uint8_t r, g, b;
  bool black() const { return r == 0 && g == 0 && b == 0; }
};
struct WindowImage {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // row by row from the top
  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
// Backing store, so that windows of tests running beside this one cannot spoil a grab. Call before
// drawing.
void keepCurrentWindowContents();
// The top-left width by height pixels of the current GL window; empty when the window is smaller.
WindowImage grabCurrentWindow(int width, int height);

}  // namespace scenetest
#endif  // TESTS_SUPPORT_WINDOW_IMAGE_H_
