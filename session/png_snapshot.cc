#include "session/png_snapshot.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

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
