// The bound on waiting report text, on a real pipe: the test reads the pipe
// only while the writing thread sleeps (its state in /proc is 'S'), so a
// writer that queued without bound would never sleep and would end with far
// more than the bound waiting.
#include "process/report_output.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {

char threadState(long tid) {
  std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const std::size_t close = line.rfind(')');
  return close == std::string::npos || close + 2 >= line.size() ? '?' : line[close + 2];
}

TEST(ReportOutput, PastTheBoundWritingWaitsForTheReaderAndLosesNothing) {
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  const int devNull = open("/dev/null", O_WRONLY);
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
  EXPECT_LE(mostWaiting, ReportOutput::kMaxWaitingBytes + kChunk);
  ASSERT_EQ(received.size(), kChunk * kChunks);
  for (int i = 0; i < kChunks; ++i) {
    EXPECT_EQ(received.compare(kChunk * i, kChunk, std::string(kChunk, static_cast<char>('a' + i))),
              0)
        << "chunk " << i;
  }
}

}  // namespace
