// Glue: the X display checks around glutInit. Without them freeglut reports
// an unreachable or lost display in its own words and exits with status 1,
// the status of Esc.

#include "process/display_check.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// For the message of a connection lost later.
char displayName[256];

// How long the check waits for a server that accepted the connection to
// answer it.
constexpr unsigned kAnswerSeconds = 10;

// The line for a server that never answers, made before the wait: the alarm
// handler may only write it.
char silentMessage[512];

void silentServer(int) {
  const ssize_t written = write(STDERR_FILENO, silentMessage, std::strlen(silentMessage));
  (void)written;
  _exit(kExitDisplay);
}

// The check's connection, open until freeglut has its own: an X server
// started without -noreset resets when its last client leaves, and a reset
// begun just before glutInit connects makes glutInit fail.
Display* checkConnection = nullptr;

// freeglut's errors during glutInit: it could not open the display after
// all (or something else kept it from starting), which is status 4, not the
// 1 of Esc that freeglut would exit with.
void initError(const char* format, va_list args) {
  char message[512];
  std::vsnprintf(message, sizeof message, format, args);
  std::fprintf(stderr, "viewer: %s\n", message);
  std::exit(kExitDisplay);
}

const char* displayArgument(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-display") == 0) return argv[i + 1];
  }
  return nullptr;
}

// quick_exit, not exit: the GL libraries' exit handlers would talk to the
// dead server again and print a stray "MIT-SHM" line.
int lostDisplay(Display*) {
  std::fprintf(stderr, "viewer: lost the connection to the X display \"%s\"\n", displayName);
  std::quick_exit(kExitDisplay);
}

}  // namespace

void exitUnlessDisplayOpens(int argc, char** argv) {
  const char* requested = displayArgument(argc, argv);
  std::snprintf(displayName, sizeof displayName, "%s", XDisplayName(requested));
  std::snprintf(silentMessage, sizeof silentMessage,
                "viewer: the X display \"%s\" did not answer within %u s\n", displayName,
                kAnswerSeconds);
  struct sigaction wait {};
  struct sigaction before {};
  wait.sa_handler = silentServer;
  sigaction(SIGALRM, &wait, &before);
  alarm(kAnswerSeconds);
  Display* display = XOpenDisplay(requested);
  alarm(0);
  sigaction(SIGALRM, &before, nullptr);
  if (display == nullptr) {
    if (displayName[0] == '\0') {
      std::fprintf(stderr,
                   "viewer: cannot open a display: DISPLAY is not set — start the viewer in a "
                   "graphical session, or set DISPLAY (or -display) to a running X server\n");
    } else {
      std::fprintf(stderr,
                   "viewer: cannot open display \"%s\" — check that its X server is running "
                   "and lets this user connect\n",
                   displayName);
    }
    std::exit(kExitDisplay);
  }
  checkConnection = display;
  glutInitErrorFunc(initError);
}

void exitOnLostDisplay() {
  glutInitErrorFunc(nullptr);
  XSetIOErrorHandler(lostDisplay);
  if (checkConnection != nullptr) XCloseDisplay(checkConnection);
  checkConnection = nullptr;
}
