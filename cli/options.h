#ifndef CLI_OPTIONS_H_
#define CLI_OPTIONS_H_

// The viewer's command line, read into a plain value before anything opens a
// display. Pure: no GLUT, no OpenGL, no output; main prints and exits.
//
// Long options take their value as the next argument or after '='
// ("--depth 3", "--depth=3"). The X options that freeglut reads (-display,
// -geometry, -iconic, -sync, -gldebug, -direct, -indirect) are checked for a
// value where they need one and otherwise left for glutInit exactly as given.
// Values are taken as written: never wrapped or clamped into range.

#include <string>
#include <vector>

#include "app/exit_status.h"

// The parts of a -geometry value that were given, in X's ranges: a side of 1
// to 32767 pixels, an offset of 0 to 32767 pixels from the screen's left or
// right (top or bottom) edge.
struct GeometryParts {
  bool hasWidth = false;
  bool hasHeight = false;
  int width = 0;
  int height = 0;
  bool hasPosition = false;
  int x = 0;  // offset from the left edge, or from the right when fromRight
  int y = 0;  // offset from the top edge, or from the bottom when fromBottom
  bool fromRight = false;
  bool fromBottom = false;
};

// What the command line asks for. "Not given" leaves the panel's start value.
struct ViewerOptions {
  bool help = false;
  bool version = false;
  int depth = 0;        // 1..8; 0 when not given
  int mode = -1;        // 0 points, 1 wireframe, 2 solid; -1 when not given
  bool light = false;   // tick "Light On/Off"
  bool noCull = false;  // untick "Backface culling"
  bool hasHfov = false;
  float hfov = 0.0f;  // degrees, 10..180, when hasHfov
  bool hasVfov = false;
  float vfov = 0.0f;  // degrees, 10..180, when hasVfov
  bool hasNear = false;
  float nearPlane = 0.0f;  // world units, finite, when hasNear
  bool hasFar = false;
  float farPlane = 0.0f;         // world units, finite, when hasFar; near < far
  const char* script = nullptr;  // --script FILE, pointing into argv
  const char* out = nullptr;     // --out DIR, pointing into argv; needs script
  bool inspect = false;
  bool world = false;
  bool stages = false;
  bool raster = false;         // --raster: the "Corvane Raster" window
  const char* mesh = nullptr;  // --mesh FILE, pointing into argv
  bool geometry = false;       // -geometry was given (freeglut reads its value too)
  GeometryParts placed;        // what -geometry gave, when given
  bool display = false;        // -display was given (freeglut reads its value)
  // --check FILE...: the arguments after --check that are no options,
  // pointing into argv; --out may go with it, --script may not.
  bool check = false;
  std::vector<const char*> checkFiles;
};

struct ParsedCommandLine {
  ViewerOptions options;
  bool ok = true;
  // When not ok: one line, without a newline, naming the option, the value
  // given and what is accepted.
  // Every value in it as text/printable.h shows it.
  std::string error;
};

// Reads argv[1..argc). Arguments are taken left to right, and the first of a
// bad argument, --help and --version decides. On return argv[0..*argc) holds
// the program name and the X options with their values, in their order, for
// glutInit; argv itself is only reordered, never written through.
ParsedCommandLine parseCommandLine(int* argc, char** argv);

#endif  // CLI_OPTIONS_H_
