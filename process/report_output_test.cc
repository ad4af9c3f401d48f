// ReportOutput on real pipes: both streams sharing one pipe, as a shell's 2>&1 leaves them
// (titles on standard error, numbers on standard output, a reader that stalls and resumes), and
// the bound on the text that waits for a slow reader.
#include "process/report_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <string>
#include <thread>

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

// The text whole and in order; a failure says where the last title landed.
void expectInOrder(const std::string& received, const std::string& expected) {
  const std::string last = expected.substr(expected.rfind("Title"), 7);
  EXPECT_TRUE(received == expected)
      << "\"" << last << "\" at byte " << received.find(last) << " of " << received.size()
      << ", want at " << expected.find(last) << " of " << expected.size();
}

// A title shorter than the pipe's free space must still wait behind numbers that do not fit: in a
// one-page pipe holding 4016 bytes, 4000 bytes of numbers wait (a pipe takes a write of up to 4096
// bytes whole or not at all) while the 8 bytes of the next title would fit.
TEST(ReportOutputTest, SharedPipeKeepsATitleBehindWaitingNumbersThatItWouldOvertake) {
  SharedPipe pipe;
  ASSERT_EQ(pipe.capacity(), 4096);
  ReportOutput output(pipe.out(), pipe.err(), nullptr);
  const std::string numbers1(4000, '1');
  const std::string numbers2(4000, '2');
  write(output, ReportStream::Err, "Title 1\n");
  write(output, ReportStream::Out, numbers1);
  write(output, ReportStream::Err, "Title 2\n");
  write(output, ReportStream::Out, numbers2);
  ASSERT_TRUE(output.waiting());
  write(output, ReportStream::Err, "Title 3\n");
  output.drain();  // the reader has not resumed yet
  std::string received = pipe.take();
  while (output.drain()) received += pipe.take();
  received += pipe.take();
  expectInOrder(received, "Title 1\n" + numbers1 + "Title 2\n" + numbers2 + "Title 3\n");
}

// The bound on waiting report text: the test reads the pipe only while the writing thread sleeps
// (its state in /proc is 'S'), so a writer that queued without bound would never sleep and would
// end with far more than the bound waiting.

char threadState(long tid) {
  std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const std::size_t close = line.rfind(')');
  return close == std::string::npos || close + 2 >= line.size() ? '?' : line[close + 2];
}

TEST(ReportOutputTest, PastTheBoundWritingWaitsForTheReaderAndLosesNothing) {
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  const int devNull = open("/dev/null", O_WRONLY);
  constexpr std::size_t kBound = std::size_t{16} << 20;  // 16 MiB, as the README gives
  constexpr std::size_t kChunk = 1 << 20;
  constexpr int kChunks = 24;  // half as much again as the bound
  std::atomic<long> writerTid{0};
  std::atomic<bool> done{false};
  std::size_t mostWaiting = 0;
  std::thread writer([&] {
    ReportOutput output(pipeFds[1], devNull, nullptr);
    writerTid = syscall(SYS_gettid);
    for (int i = 0; i < kChunks; ++i) {
      const std::string chunk(kChunk, static_cast<char>('a' + i));
      output.write(ReportStream::Out, chunk.data(), chunk.size());
      mostWaiting = std::max(mostWaiting, output.waitingBytes());
    }
    output.finish();
    close(pipeFds[1]);
    done = true;
  });
  fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
  std::string received;
  char buffer[1 << 16];
  for (;;) {
    const bool finished = done;
    if (finished || (writerTid != 0 && threadState(writerTid) == 'S')) {
      ssize_t n;
      while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) received.append(buffer, n);
      if (finished && n == 0) break;
    }
    std::this_thread::yield();
  }
  writer.join();
  close(pipeFds[0]);
  close(devNull);
  EXPECT_LE(mostWaiting, kBound + kChunk);
  ASSERT_EQ(received.size(), kChunk * kChunks);
  for (int i = 0; i < kChunks; ++i) {
    EXPECT_EQ(received.compare(kChunk * i, kChunk, std::string(kChunk, static_cast<char>('a' + i))),
              0)
        << "chunk " << i;
  }
}

}  // namespace
