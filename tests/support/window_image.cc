#include "tests/support/window_image.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace scenetest {
namespace {

// The 8-bit channel under `mask` (a TrueColor visual's contiguous mask).
std::uint8_t channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  while ((mask & 1) == 0) {
    mask >>= 1;
    pixel >>= 1;
  }
  const unsigned long value = pixel & mask;
  return static_cast<std::uint8_t>(value * 255 / mask);
}

}  // namespace

void keepCurrentWindowContents() {
  Display* display = glXGetCurrentDisplay();
  XSetWindowAttributes attributes{};
  attributes.backing_store = Always;
  XChangeWindowAttributes(display, glXGetCurrentDrawable(), CWBackingStore, &attributes);
  XSync(display, False);
}

WindowImage grabCurrentWindow(int width, int height) {
  glFinish();
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable window = glXGetCurrentDrawable();
  XSync(display, False);
  WindowImage image;
  XImage* x = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                        static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (x == nullptr) return image;
  image.width = width;
  image.height = height;
  image.pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const unsigned long pixel = XGetPixel(x, col, row);
      image.pixels.push_back(
          {channel(pixel, x->red_mask), channel(pixel, x->green_mask), channel(pixel, x->blue_mask)});
    }
  }
  XDestroyImage(x);
  return image;
}

}  // namespace scenetest
