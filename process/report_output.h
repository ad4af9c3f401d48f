#ifndef PROCESS_REPORT_OUTPUT_H_
#define PROCESS_REPORT_OUTPUT_H_

// The two console streams as the reports see them, made safe for a program
// that must keep answering its windows: text goes to a reader only as fast as
// the reader accepts it, the rest waits in memory in order, and a reader that
// is gone or a write that fails is reported once instead of blocking, killing
// or silently losing. No GLUT here: the owner is told through a wake call when
// text starts waiting and then calls drain() until nothing waits.

#include <cstddef>
#include <deque>
#include <string>

enum class ReportStream { Out = 0, Err = 1 };

class ReportOutput {
 public:
  using Wake = void (*)();

  // outFd and errFd are the descriptors of standard output and standard
  // error. A pipe or FIFO gets a non-blocking descriptor of its own (see
  // .cc); a socket is written with non-blocking sends; anything else
  // (terminal, file, device) is written as before, blocking.
  ReportOutput(int outFd, int errFd, Wake wake);

  // Writes what the reader takes now and queues the rest behind any text
  // already waiting for the same reader. Never blocks on a pipe or socket.
  void write(ReportStream stream, const char* data, std::size_t size);
  // Writes waiting text as far as the readers accept it. Returns whether
  // text still waits.
  bool drain();
  bool waiting() const { return !queue_.empty(); }
  // Waits up to timeoutMs for the readers to take the waiting text, then
  // drops whatever they did not take.
  void drainFor(int timeoutMs);

 private:
  struct Target {
    int fd = -1;
    bool socket = false;  // written with non-blocking sends
    int reader = 0;       // index of the target whose queue this one shares
    bool gone = false;    // the reader closed its end: writes stop
    bool warned = false;  // a failed write was reported
  };
  struct Chunk {
    int stream;
    std::string text;
  };

  // Bytes written, or -1 with errno set; EAGAIN means "later".
  long tryWrite(const Target& t, const char* data, std::size_t size) const;
  // Handles a write error on stream s: when its reader has gone, writes to
  // it stop, the text waiting for it is dropped and the other stream (when
  // it has a reader of its own) says so once; any other error is reported
  // once on the other stream.
  void writeFailed(int s, int error);
  bool queuedFor(int reader) const;

  Target targets_[2];
  std::deque<Chunk> queue_;
  Wake wake_;
};

#endif  // PROCESS_REPORT_OUTPUT_H_
