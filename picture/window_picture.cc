#include "picture/window_picture.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The 8-bit value of the channel under mask (a TrueColor visual's contiguous
// mask) in an X pixel value.
unsigned char channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  while ((mask & 1) == 0) {
    mask >>= 1;
    pixel >>= 1;
  }
  return static_cast<unsigned char>((pixel & mask) * 255 / mask);
}

}  // namespace

void keepWindowContents(int glutWindow) {
  glutSetWindow(glutWindow);
  Display* display = glXGetCurrentDisplay();
  XSetWindowAttributes attributes{};
  attributes.backing_store = Always;
  XChangeWindowAttributes(display, glXGetCurrentDrawable(), CWBackingStore, &attributes);
  XSync(display, False);  // in place before the next drawing
}

Picture grabWindow(int glutWindow) {
  glutSetWindow(glutWindow);
  glFinish();
  Display* display = glXGetCurrentDisplay();
  XSync(display, False);
  Picture picture;
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);
  XImage* image = XGetImage(display, glXGetCurrentDrawable(), 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  picture.width = width;
  picture.height = height;
  picture.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      picture.rgb.push_back(channel(pixel, image->red_mask));
      picture.rgb.push_back(channel(pixel, image->green_mask));
      picture.rgb.push_back(channel(pixel, image->blue_mask));
    }
  }
  XDestroyImage(image);
  return picture;
}
