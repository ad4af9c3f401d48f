// ReportOutput on a real pipe that both streams share, as a shell's 2>&1 leaves them: titles go to
// standard error, numbers to standard output, and the reader stalls and resumes.
#include "process/report_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

// A pipe whose write end is both standard output and standard error (the same open file, twice).
class SharedPipe {
 public:
  SharedPipe() {
    int ends[2];
    if (pipe2(ends, O_NONBLOCK) != 0) ADD_FAILURE() << "pipe2";
    readEnd_ = ends[0];
    out_ = ends[1];
    err_ = dup(out_);
    fcntl(out_, F_SETPIPE_SZ, 4096);  // one page: less text to overfill it
  }
  ~SharedPipe() {
    close(readEnd_);
    close(out_);
    close(err_);
  }
  int out() const { return out_; }
  int err() const { return err_; }
  // Bytes the pipe holds when full.
  int capacity() const { return fcntl(readEnd_, F_GETPIPE_SZ); }
  // The reader resumes: everything the pipe holds now, without waiting.
  std::string take() {
    std::string text;
    char buffer[4096];
    long n;
    while ((n = read(readEnd_, buffer, sizeof buffer)) > 0) text.append(buffer, n);
    return text;
  }

 private:
  int readEnd_ = -1;
  int out_ = -1;
  int err_ = -1;
};

void write(ReportOutput& output, ReportStream stream, const std::string& text) {
  output.write(stream, text.data(), text.size());
}

TEST(ReportOutputTest, SharedPipeKeepsTitlesAndNumbersInOrderWhenItsReaderStallsAndResumes) {
  SharedPipe pipe;
  ReportOutput output(pipe.out(), pipe.err(), nullptr);
  // The first report's numbers overfill the pipe: the reader has stalled.
  const std::string numbers(pipe.capacity() + 100, '1');
  write(output, ReportStream::Err, "Title 1\n");
  write(output, ReportStream::Out, numbers);
  ASSERT_TRUE(output.waiting());
  std::string received = pipe.take();
  // The pipe has room again, but the second title must wait behind the first report's rest.
  write(output, ReportStream::Err, "Title 2\n");
  write(output, ReportStream::Out, "2\n");
  while (output.drain()) received += pipe.take();
  received += pipe.take();
  const std::string expected = "Title 1\n" + numbers + "Title 2\n2\n";
  EXPECT_TRUE(received == expected)
      << "\"Title 2\" at byte " << received.find("Title 2") << " of " << received.size()
      << ", want at " << expected.find("Title 2") << " of " << expected.size();
}

}  // namespace
