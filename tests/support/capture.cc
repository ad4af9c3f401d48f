#include "tests/support/capture.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace testsupport {
namespace {

void flushAll() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
}

std::string drain(std::FILE* file) {
  std::string text;
  std::rewind(file);
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

}  // namespace

Captured capture(const std::function<void()>& body) {
  flushAll();
  std::FILE* files[2] = {std::tmpfile(), std::tmpfile()};
  int saved[2];
  for (int k = 0; k < 2; ++k) {
    saved[k] = dup(STDOUT_FILENO + k);
    dup2(fileno(files[k]), STDOUT_FILENO + k);
  }
  body();
  flushAll();
  for (int k = 0; k < 2; ++k) {
    dup2(saved[k], STDOUT_FILENO + k);
    close(saved[k]);
  }
  return {drain(files[0]), drain(files[1])};
}

}  // namespace testsupport
