#include "tests/support/capture.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace testsupport {

static void flushAll() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
}

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
  std::string text[2];
  for (int k = 0; k < 2; ++k) {
    dup2(saved[k], STDOUT_FILENO + k);
    close(saved[k]);
    std::rewind(files[k]);
    for (int c; (c = std::fgetc(files[k])) != EOF;) text[k] += static_cast<char>(c);
    std::fclose(files[k]);
  }
  return {text[0], text[1]};
}

}  // namespace testsupport
