// Glue: runs session scripts one after the other, each in a forked viewer
// process, and sums up their expectations and statuses.
//
// Does: start and stop the private Xvfb, fork one child per script, share an
// ExpectationTally with it, wait for it and print its line.
// Does not: parse scripts (session/script.cc), decide expectations
// (session/expectation.cc) or start the viewer itself (the ViewerRun does).

#include "session/check_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/exit_status.h"

namespace {

// A private X server: a display number of its own (-displayfd), no TCP, and
// no reset when its last client leaves, so one viewer's exit never races the
// next one's start.
struct PrivateDisplay {
  pid_t pid = -1;
  std::string name;  // ":N"
};

PrivateDisplay startXvfb() {
  PrivateDisplay display;
  int fds[2];
  if (pipe(fds) != 0) return display;
  const pid_t pid = fork();
  if (pid == 0) {
    const int nowhere = open("/dev/null", O_RDWR);
    dup2(nowhere, STDIN_FILENO);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
           "tcp", "-noreset", "+extension", "GLX", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  // The server writes its number once it accepts clients; end of file
  // without a number means it did not start.
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (pid < 0) return display;
  if (number.empty()) {
    waitpid(pid, nullptr, 0);
    return display;
  }
  display.pid = pid;
  display.name = ":" + number;
  return display;
}

void stopXvfb(const PrivateDisplay& display) {
  kill(display.pid, SIGTERM);
  waitpid(display.pid, nullptr, 0);
}

std::string stem(const char* file) {
  std::filesystem::path path(file);
  return path.extension() == ".script" ? path.stem().string() : path.filename().string();
}

// An exit status, or 128 + the signal that ended the child.
int statusOf(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
  return 128;
}

int runOne(const Script& script, const char* outDir, const std::string& display,
           const ViewerRun& run, ExpectationTally* tally) {
  std::fflush(stdout);
  *tally = ExpectationTally();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("viewer: cannot start a viewer for --check");
    return kExitDisplay;
  }
  if (pid == 0) {
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    ScriptRun how;
    how.snapshots = outDir != nullptr;
    if (outDir)
      how.outDir = (std::filesystem::path(outDir) / stem(script.fileName.c_str())).string();
    how.failureFd = dup(STDERR_FILENO);
    how.tally = tally;
    const int nowhere = open("/dev/null", O_RDWR);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    run(script, how);
    _exit(kExitQuit);  // a ViewerRun never returns
  }
  int waitStatus = 0;
  while (waitpid(pid, &waitStatus, 0) < 0) {
    if (errno != EINTR) return kExitDisplay;
  }
  return statusOf(waitStatus);
}

}  // namespace

int checkScripts(const std::vector<const char*>& files, const char* outDir, bool displayGiven,
                 const ViewerRun& run) {
  PrivateDisplay display;
  if (!displayGiven) {
    display = startXvfb();
    if (display.pid < 0) {
      std::cerr << "viewer: --check cannot start Xvfb for its private display (the xvfb "
                   "package); give one with -display"
                << std::endl;
      return kExitDisplay;
    }
  }
  // Shared with each child, which counts into it as its expectations run.
  void* shared = mmap(nullptr, sizeof(ExpectationTally), PROT_READ | PROT_WRITE,
                      MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) {
    std::perror("viewer: --check cannot share its tally");
    if (display.pid > 0) stopXvfb(display);
    return kExitDisplay;
  }
  auto* tally = static_cast<ExpectationTally*>(shared);
  bool anyFailed = false;
  int worst = kExitQuit;
  for (const char* file : files) {
    const Script script = readScript(file);
    int status = kExitUsage;
    ExpectationTally counted;
    if (!script.errors.empty()) {
      for (const std::string& error : script.errors) std::cerr << error << '\n';
      std::cerr.flush();
    } else {
      status = runOne(script, outDir, display.name, run, tally);
      counted = *tally;
    }
    std::printf("%s: %d met, %d failed, status %d\n", file, counted.met, counted.failed, status);
    std::fflush(stdout);
    anyFailed = anyFailed || counted.failed > 0;
    worst = std::max(worst, status);
  }
  munmap(shared, sizeof(ExpectationTally));
  if (display.pid > 0) stopXvfb(display);
  return anyFailed ? kExitExpectation : worst;
}
