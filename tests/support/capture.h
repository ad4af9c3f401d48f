#ifndef TESTS_SUPPORT_CAPTURE_H_
#define TESTS_SUPPORT_CAPTURE_H_

#include <string>

namespace testsupport {

// Captures what the process writes to standard output and standard error,
// each stream on its own, from construction until stop() (or destruction).
// Works at the file-descriptor level, so printf, std::cout and std::cerr are
// all caught; C and C++ buffers are flushed before the streams are restored.
class CapturedStreams {
 public:
  CapturedStreams();
  ~CapturedStreams();
  CapturedStreams(const CapturedStreams&) = delete;
  CapturedStreams& operator=(const CapturedStreams&) = delete;

  void stop();
  const std::string& out() const { return out_; }
  const std::string& err() const { return err_; }

 private:
  bool active_ = false;
  int savedOut_ = -1;
  int savedErr_ = -1;
  int fileOut_ = -1;
  int fileErr_ = -1;
  std::string out_;
  std::string err_;
};

}  // namespace testsupport

#endif  // TESTS_SUPPORT_CAPTURE_H_
