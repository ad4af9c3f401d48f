#include "cli/usage.h"

// VIEWER_VERSION comes from the build (the CMake project's version).
#ifndef VIEWER_VERSION
#error "VIEWER_VERSION must be defined by the build"
#endif

namespace {

// A summary of at most 80 columns a line: the windows, keys, mouse, where
// the reports go, every option and the exit statuses. docs/viewer.1 says the
// same at length.
constexpr char kUsage[] = R"(Usage: viewer [OPTION]... [X OPTION]...
Study the 3-D viewing pipeline: a unit sphere seen through a movable camera,
with OpenGL's viewing matrices printed beside Corvane's, the viewer's own.

Windows:
  "OpenGL"               the drawing window: the sphere as the camera sees it
  "Tavrin Assignment 3"  the control panel: render mode, light, culling,
                         depth, fields of view, drag mode and axis, Quit
Keys, in the drawing window (the one under the pointer without a window
manager); the three report keys need Shift:
  ?       prints OpenGL's model-view matrix, then Corvane's
  P       prints OpenGL's projection matrix, then Corvane's
  C       prints the camera's eye point
  Esc     ends the viewer with exit status 1 ("Quit" on the panel gives 0)
Mouse: a drag in the drawing window with any button held (the wheel's too)
moves or turns the camera along the active axis, as the panel says. A middle
click prints the pixel's window coordinates.
Reports: titles go to standard error, numbers to standard output. To keep
both, in order, in a file:  viewer 2>&1 | tee session.log

Start state, set as if by hand on the panel right after start-up:
  --depth N          "# Subdivisions": a whole number from 1 to 8 (start 1)
  --mode MODE        points, wireframe or solid (start wireframe)
  --light            ticks "Light On/Off"
  --no-cull          unticks "Backface culling"
  --hfov X           "Hfov:", degrees from 10 to 180 (start 60)
  --vfov X           "Vfov:", degrees from 10 to 180 (start 60)
  --near X, --far X  the clipping distances, 0 < near < far (start 0.1, 1000)
Sessions and extra windows:
  --script FILE      runs the session script FILE (its commands: viewer(1))
  --out DIR          puts the script's snapshots in DIR (needs --script)
  --check FILE...    runs each script on a private display; a line for each
  --inspect          opens an inspector window
  --world            opens "World View": the camera seen from outside
  --stages           opens "Pipeline Stages": clip space, NDC, depth, a trace
  --raster           opens "Corvane Raster": Corvane's own drawing, keys c o d
  --mesh FILE        draws the OBJ mesh FILE; "# Subdivisions" changes nothing
  -h, --help, --version  prints this help, or the version, and exits
A value may also follow '=', as in --mode=solid. Values out of range are
refused, not wrapped as the panel's arrows do. --script, --out, --check,
--mesh and -display may be given once; other options: the later value wins.

X options, read by freeglut:
  -display DISPLAY   the X display to use instead of $DISPLAY
  -geometry WxH+X+Y  size and place of the drawing window (400x400+0+0); parts
                     left out keep those; sides to 32767 (cut to 16384)
  -iconic            starts the windows iconified
  -sync              makes X requests synchronous, for debugging
  -gldebug           reports OpenGL errors on standard error
  -direct            requires direct rendering; exits if there is none
  -indirect          renders through the X server; exits 1 if it refuses

Exit status:
  0  "Quit", the end of a script, --help, --version, or a window closed
     through the window manager (the extra windows close alone)
  1  Esc, or a fatal error freeglut reports itself
  2  a bad command line, or a bad script (a FILE:LINE: line for each fault)
  3  a snapshot, or at a script's end some report output, could not be written
  4  the X display cannot be opened, did not answer within 10 s, or was lost
  5  an expectation of a script failed
)";

}  // namespace

void printUsage(std::FILE* out) { std::fputs(kUsage, out); }

void printVersion(std::FILE* out) { std::fputs("viewer " VIEWER_VERSION "\n", out); }
