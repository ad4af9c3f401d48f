#include "cli/usage.h"

// VIEWER_VERSION comes from the build (the CMake project's version).
#ifndef VIEWER_VERSION
#error "VIEWER_VERSION must be defined by the build"
#endif

namespace {

// Kept to one screen (about 55 lines of at most 80 columns). docs/viewer.1
// says the same at length.
constexpr char kUsage[] = R"(Usage: viewer [OPTION]... [X OPTION]...
Study the 3-D viewing pipeline: a unit sphere (a subdivided icosahedron) seen
through a movable camera, with OpenGL's viewing matrices printed beside those
of Corvane, the viewer's own software record of them.

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
Mouse: a drag in the drawing window with the left, middle or right button
moves the camera along or turns it about the active axis; the axis and
TRANSLATE or ROTATE are chosen on the panel. A middle click prints the
pixel's window coordinates.
Reports: titles go to standard error, numbers to standard output. To keep
both, in order, in a file:  viewer 2>&1 | tee session.log

Start state, set as if by hand on the panel right after start-up:
  --depth N          "# Subdivisions": a whole number from 1 to 8 (start 1)
  --mode MODE        points, wireframe or solid (start wireframe)
  --light            ticks "Light On/Off"
  --no-cull          unticks "Backface culling"
  --hfov X           "Hfov:", degrees from 10 to 180 (start 60)
  --vfov X           "Vfov:", degrees from 10 to 180 (start 60)
Sessions and extra windows:
  --script FILE      runs the steps written in FILE
  --out DIR          puts the script's snapshots in DIR (needs --script)
  --inspect          opens an inspector window
  --world            opens "World View", the camera and its viewing volume seen
                     from outside: drag to orbit, wheel to zoom, r to reset
  --raster           opens "Corvane Raster": Corvane's own drawing, keys c o d
  --mesh FILE        draws the OBJ mesh in FILE instead of the sphere; then
                     "# Subdivisions" changes nothing
  -h, --help         prints this help and exits
  --version          prints the version and exits
A value may also follow '=', as in --mode=solid. Values out of range are
refused, not wrapped as the panel's arrows do.

X options, read by freeglut:
  -display DISPLAY   the X display to use instead of $DISPLAY
  -geometry WxH+X+Y  size and place of the drawing window (400x400+0+0);
                     parts left out keep those values
  -iconic            starts the windows iconified
  -sync              makes X requests synchronous, for debugging
  -gldebug           reports OpenGL errors on standard error
  -direct            requires direct rendering; exits if there is none
  -indirect          renders through the X server, if the server allows it

Exit status:
  0  "Quit", --help or --version
  1  Esc
  2  a bad command line (or script)
  3  a snapshot could not be written
  4  the X display cannot be opened or was lost
)";

}  // namespace

void printUsage(std::FILE* out) { std::fputs(kUsage, out); }

void printVersion(std::FILE* out) { std::fputs("viewer " VIEWER_VERSION "\n", out); }
