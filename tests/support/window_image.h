#ifndef SCENE_WINDOW_IMAGE_H_
#define SCENE_WINDOW_IMAGE_H_

// Test helper: the pixels that the X server shows in the current GL window,
// that is, the picture a person sees after the last buffer swap.

#include <cstdint>
#include <vector>

namespace scenetest {

struct Rgb {
  std::uint8_t r, g, b;
  bool black() const { return r == 0 && g == 0 && b == 0; }
};

struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row from the top, as on the screen

  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Asks the X server to keep the whole picture of the current GL window even
// where another window covers it (backing store), so that windows of tests
// running beside this one cannot spoil a grab. Call before drawing.
void keepCurrentWindowContents();

// Waits for OpenGL and the X server to finish, then reads the window of the
// current GL context from the server (XGetImage). Mesa's software driver
// keeps no readable front buffer, so glReadBuffer(GL_FRONT) would not show
// what is on the screen.
WindowImage grabCurrentWindow(int width, int height);

}  // namespace scenetest

#endif  // SCENE_WINDOW_IMAGE_H_
