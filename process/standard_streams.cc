// Glue: descriptors 0-2, SIGPIPE, and the C and C++ standard streams on top of
// a ReportOutput, drained from a GLUT timer. The report code keeps writing
// with printf and std::cerr as before; nothing here formats or reorders text.

#include "process/standard_streams.h"

#include <GL/freeglut.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "process/report_output.h"

namespace {

constexpr int kDrainIntervalMs = 10;
// How long exit waits for readers to take waiting text.
constexpr int kExitGraceMs = 250;

// Never freed: the streams use it until the process ends, after every
// destructor that could run.
ReportOutput* output = nullptr;

void drainTimer(int) {
  if (output->drain()) glutTimerFunc(kDrainIntervalMs, drainTimer, 0);
}

void startDrainTimer() { glutTimerFunc(kDrainIntervalMs, drainTimer, 0); }

void drainAtExit() {
  std::fflush(stdout);
  output->drainFor(kExitGraceMs);
}

// stdio's write hook: the FILE keeps its buffering; every byte it hands over
// is taken, so stdio never sees an error and never drops a buffer.
template <ReportStream kStream>
ssize_t cookieWrite(void*, const char* data, size_t size) {
  output->write(kStream, data, size);
  return static_cast<ssize_t>(size);
}

FILE* reportFile(cookie_io_functions_t io, int mode) {
  FILE* file = fopencookie(nullptr, "w", io);
  if (file != nullptr) setvbuf(file, nullptr, mode, BUFSIZ);
  return file;
}

// std::cerr's buffer: unbuffered, like stderr, so every insertion is written
// at once and in order with what stdout's flushes write.
class ErrorBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    output->write(ReportStream::Err, &ch, 1);
    return c;
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    output->write(ReportStream::Err, data, static_cast<size_t>(size));
    return size;
  }
};

}  // namespace

void openClosedStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    // The lowest free number is fd itself, since those below it are open.
    if (opened >= 0 && opened != fd) {
      dup2(opened, fd);
      close(opened);
    }
  }
}

void routeReportsWithoutBlocking() {
  std::signal(SIGPIPE, SIG_IGN);
  const bool outTerminal = isatty(STDOUT_FILENO);
  const bool errTerminal = isatty(STDERR_FILENO);
  if (outTerminal && errTerminal) return;
  std::fflush(stdout);
  output = new ReportOutput(STDOUT_FILENO, STDERR_FILENO, startDrainTimer);
  if (!outTerminal) {
    if (FILE* file =
            reportFile({nullptr, cookieWrite<ReportStream::Out>, nullptr, nullptr}, _IOFBF)) {
      stdout = file;
    }
  }
  if (!errTerminal) {
    if (FILE* file =
            reportFile({nullptr, cookieWrite<ReportStream::Err>, nullptr, nullptr}, _IONBF)) {
      stderr = file;
    }
    // Never freed, like output: std::cerr is flushed after static objects die.
    std::cerr.rdbuf(new ErrorBuffer);
  }
  std::atexit(drainAtExit);
  std::at_quick_exit(drainAtExit);
}
