#ifndef TESTS_SUPPORT_CAPTURE_H_
#define TESTS_SUPPORT_CAPTURE_H_
#include <functional>
#include <string>

namespace testsupport {

struct Captured {
  std::string out, err;
};
// Runs `body` with standard output and standard error each sent to a file of its own. Works on the
// file descriptors, so printf and iostreams are both caught; C and C++ buffers are flushed before
// the streams are restored.
Captured capture(const std::function<void()>& body);

}  // namespace testsupport
#endif  // TESTS_SUPPORT_CAPTURE_H_
