#include "tests/support/window_image.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace scenetest {

void keepCurrentWindowContents() {
  XSetWindowAttributes attributes{};
  attributes.backing_store = Always;
  XChangeWindowAttributes(glXGetCurrentDisplay(), glXGetCurrentDrawable(), CWBackingStore,
                          &attributes);
  XSync(glXGetCurrentDisplay(), False);
}

// The test display is 24-bit TrueColor: 8 bits each of red, green, blue.
WindowImage grabCurrentWindow(int width, int height) {
  glFinish();
  Display* display = glXGetCurrentDisplay();
  XSync(display, False);
  WindowImage image;
  XImage* x = XGetImage(display, glXGetCurrentDrawable(), 0, 0, static_cast<unsigned>(width),
                        static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (x == nullptr) return image;
  image.width = width;
  image.height = height;
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) {
      const unsigned long p = XGetPixel(x, col, row);
      image.pixels.push_back({std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
    }
  XDestroyImage(x);
  return image;
}

}  // namespace scenetest
