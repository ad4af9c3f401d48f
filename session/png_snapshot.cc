#include "session/png_snapshot.h"

#include <fcntl.h>
#include <stb_image_write.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Writes all of data to fd; false with errno set when it cannot.
bool writeAll(int fd, const std::vector<unsigned char>& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A named pipe at path (a reader waiting for the picture) is written into.
// Anything else at path is replaced whole: the bytes go to a new file beside
// it, which is renamed over the name once complete, so a link at the name is
// replaced and never followed, and a failed write leaves nothing behind.
bool replaceFile(const std::string& path, const std::vector<unsigned char>& data) {
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) {
    const int fd = open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = writeAll(fd, data);
    const int writeError = errno;
    if (close(fd) != 0 || !written) {
      if (!written) errno = writeError;
      return false;
    }
    return true;
  }
  const std::string::size_type slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temporary = folder + "." + name + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  // The mode a plain new file gets: 0666 less the umask.
  const mode_t mask = umask(0);
  umask(mask);
  bool ok = fchmod(fd, 0666 & ~mask) == 0 && writeAll(fd, data);
  int error = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(temporary.c_str());
    errno = error;
  }
  return ok;
}

}  // namespace

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
  return replaceFile(path, png);
}
