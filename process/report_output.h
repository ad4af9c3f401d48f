#ifndef PROCESS_REPORT_OUTPUT_H_
#define PROCESS_REPORT_OUTPUT_H_

// The two console streams as the reports see them, made safe for a program
// that must keep answering its windows: text goes to a reader only as fast as
// the reader accepts it, the rest waits in memory in order, and a reader that
// is gone or a write that fails is reported once instead of blocking, killing
// or silently losing. The waiting text is bounded (kMaxWaitingBytes): past
// the bound, write() waits for the reader as a plain program's write would,
// so nothing is lost and memory stays bounded. No GLUT here: the owner is
// told through a wake call when text starts waiting and then calls drain()
// until nothing waits, and at exit calls finish().

#include <cstddef>
#include <deque>
#include <string>

enum class ReportStream { Out = 0, Err = 1 };

class ReportOutput {
 public:
  using Wake = void (*)();

  static constexpr std::size_t kMaxWaitingBytes = 16 * 1024 * 1024;

  // outFd and errFd are the descriptors of standard output and standard
  // error. A pipe or FIFO gets a non-blocking descriptor of its own (see
  // .cc); a socket is written with non-blocking sends; anything else
  // (terminal, file, device) is written as before, blocking.
  ReportOutput(int outFd, int errFd, Wake wake);

  // Writes what the reader takes now and queues the rest behind any text
  // already waiting for the same reader. Blocks on a pipe or socket only
  // while more than kMaxWaitingBytes wait.
  void write(ReportStream stream, const char* data, std::size_t size);
  // Writes waiting text as far as the readers accept it. Returns whether
  // text still waits.
  bool drain();
  bool waiting() const { return !queue_.empty(); }
  std::size_t waitingBytes() const { return waitingBytes_; }
  // Writes all waiting text, waiting for the readers as long as they take
  // it; only a reader that has gone (EPIPE) or a failing write ends it.
  void finish();
  // Whether a write failed other than by its reader going away (a full
  // disk, /dev/full): that text is lost.
  bool lostText() const { return targets_[0].warned || targets_[1].warned; }

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
  // Waits, without bound, until a reader with text waiting can take more.
  void waitForReaders() const;
  void queue(int stream, const char* data, std::size_t size);

  Target targets_[2];
  std::deque<Chunk> queue_;
  std::size_t waitingBytes_ = 0;  // the sum of the queue's texts
  Wake wake_;
};

#endif  // PROCESS_REPORT_OUTPUT_H_
