#include "tests/support/window_image.h"

#include <GL/freeglut.h>

#include "picture/window_picture.h"

namespace scenetest {

void keepCurrentWindowContents() { keepWindowContents(glutGetWindow()); }

WindowImage grabCurrentWindow(int width, int height) {
  const Picture picture = grabWindow(glutGetWindow());
  WindowImage image;
  if (picture.width < width || picture.height < height) return image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
      image.pixels.push_back(Rgb{p[0], p[1], p[2]});
    }
  }
  return image;
}

}  // namespace scenetest
