#include "picture/window_picture.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

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

// Whether the server can keep each window's contents apart (Composite 0.2,
// the first with window pixmaps).
bool canComposite(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 2;
  return XCompositeQueryExtension(display, &eventBase, &errorBase) &&
         XCompositeQueryVersion(display, &major, &minor) && (major > 0 || minor >= 2);
}

}  // namespace

void keepWindowContents(int glutWindow) {
  glutSetWindow(glutWindow);
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (canComposite(display)) {
    // The server draws the window into a pixmap of its own and puts that on
    // the screen, which looks the same; a grab reads the pixmap.
    XCompositeRedirectWindow(display, window, CompositeRedirectAutomatic);
  } else {
    XSetWindowAttributes attributes{};
    attributes.backing_store = Always;
    XChangeWindowAttributes(display, window, CWBackingStore, &attributes);
  }
  XSync(display, False);  // in place before the next drawing
}

Picture grabWindow(int glutWindow) {
  glutSetWindow(glutWindow);
  glFinish();
  Display* display = glXGetCurrentDisplay();
  XSync(display, False);
  const Window window = glXGetCurrentDrawable();
  // The window's own pixmap holds only its contents, whatever covers it on
  // the screen; without Composite, the window as the screen shows it.
  const Pixmap pixmap = canComposite(display) ? XCompositeNameWindowPixmap(display, window) : 0;
  const Drawable source = pixmap != 0 ? pixmap : window;
  Picture picture;
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);
  XImage* image = XGetImage(display, source, 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (pixmap != 0) XFreePixmap(display, pixmap);
  if (image == nullptr) return picture;
  if (image->red_mask == 0) {
    // An image of a pixmap names no visual: its pixels are the window's.
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    image->red_mask = attributes.visual->red_mask;
    image->green_mask = attributes.visual->green_mask;
    image->blue_mask = attributes.visual->blue_mask;
  }
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
