#include "tests/support/capture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace testsupport {
namespace {

int tempFile() {
  char path[] = "/tmp/capture-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) std::abort();
  unlink(path);
  return fd;
}

std::string readAll(int fd) {
  std::string text;
  lseek(fd, 0, SEEK_SET);
  char buffer[4096];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(got));
  return text;
}

}  // namespace

CapturedStreams::CapturedStreams() {
  std::fflush(stdout);
  std::cout.flush();
  std::cerr.flush();
  savedOut_ = dup(STDOUT_FILENO);
  savedErr_ = dup(STDERR_FILENO);
  fileOut_ = tempFile();
  fileErr_ = tempFile();
  dup2(fileOut_, STDOUT_FILENO);
  dup2(fileErr_, STDERR_FILENO);
  active_ = true;
}

CapturedStreams::~CapturedStreams() { stop(); }

void CapturedStreams::stop() {
  if (!active_) return;
  active_ = false;
  std::fflush(stdout);
  std::fflush(stderr);
  std::cout.flush();
  std::cerr.flush();
  dup2(savedOut_, STDOUT_FILENO);
  dup2(savedErr_, STDERR_FILENO);
  close(savedOut_);
  close(savedErr_);
  out_ = readAll(fileOut_);
  err_ = readAll(fileErr_);
  close(fileOut_);
  close(fileErr_);
}

}  // namespace testsupport
