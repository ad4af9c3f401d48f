#include "session/snapshot.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

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

Picture sideBySide(const Picture& left, const Picture& right) {
  Picture both;
  both.width = left.width + right.width;
  both.height = std::max(left.height, right.height);
  both.rgb.assign(static_cast<std::size_t>(both.width) * both.height * 3, 0);
  const auto copy = [&both](const Picture& part, int x0) {
    for (int y = 0; y < part.height; ++y) {
      const auto row = part.rgb.begin() + static_cast<std::ptrdiff_t>(y) * part.width * 3;
      std::copy(row, row + part.width * 3,
                both.rgb.begin() + (static_cast<std::ptrdiff_t>(y) * both.width + x0) * 3);
    }
  };
  copy(left, 0);
  copy(right, left.width);
  return both;
}

bool writePng(const std::string& path, const Picture& picture) {
  // Encoded in memory first, so that every failure of the file itself (a
  // missing folder, no permission, a full disk at the close) is seen here.
  std::vector<unsigned char> png;
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<unsigned char*>(data);
    static_cast<std::vector<unsigned char>*>(context)->insert(
        static_cast<std::vector<unsigned char>*>(context)->end(), bytes, bytes + size);
  };
  if (picture.width == 0 || picture.height == 0 ||
      stbi_write_png_to_func(append, &png, picture.width, picture.height, 3, picture.rgb.data(),
                             picture.width * 3) == 0) {
    errno = EIO;
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written) {
    if (!written) errno = writeError;
    return false;
  }
  return true;
}
