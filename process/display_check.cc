// Glue: the X display checks around glutInit. Without them freeglut reports
// an unreachable or lost display in its own words and exits with status 1,
// the status of Esc.

#include "process/display_check.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// For the message of a connection lost later.
char displayName[256];

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
  Display* display = XOpenDisplay(requested);
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
  XCloseDisplay(display);
}

void exitOnLostDisplay() { XSetIOErrorHandler(lostDisplay); }
