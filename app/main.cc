// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. The command line is read before anything touches the X
// display, so --help, --version and a bad option need no display and open no
// window. Without options start-up makes exactly the calls it always made;
// --world, --inspect and --raster add the opt-in "World View", "Inspector"
// and "Corvane Raster" windows, and --script FILE [--out DIR] runs a session
// script (session/script.h), checked before any window opens, and exits when
// the script ends; --mesh FILE, read and checked before any window opens,
// puts a mesh in place of the sphere. Before any of
// that the standard descriptors are made sure to be open and the display is
// checked, so a missing display ends with one line and status 4, and report
// output never blocks the windows (process/report_output.h).
#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/panel.h"
#include "app/startup.h"
#include "cli/options.h"
#include "cli/start_options.h"
#include "cli/usage.h"
#include "inspect/inspector.h"
#include "mesh/mesh.h"
#include "mesh/mesh_reader.h"
#include "process/display_check.h"
#include "process/standard_streams.h"
#include "rasterview/raster_window.h"
#include "session/script.h"
#include "session/script_run.h"
#include "world/world_view.h"

namespace {

// The drawing window's default placement with what glutInit made of
// -geometry laid over it. freeglut reports a position of -1, -1 and a size of
// 0 for the parts the geometry left out.
WindowPlacement placementFromGeometry() {
  WindowPlacement placement;
  const int x = glutGet(GLUT_INIT_WINDOW_X);
  const int y = glutGet(GLUT_INIT_WINDOW_Y);
  if (x != -1 || y != -1) {
    placement.x = x;
    placement.y = y;
  }
  const int width = glutGet(GLUT_INIT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_INIT_WINDOW_HEIGHT);
  if (width > 0) placement.width = width;
  if (height > 0) placement.height = height;
  return placement;
}

}  // namespace

int main(int argc, char** argv) {
  openClosedStandardDescriptors();
  const ParsedCommandLine parsed = parseCommandLine(&argc, argv);
  if (!parsed.ok) {
    std::fprintf(stderr, "%s\nTry 'viewer --help'.\n", parsed.error);
    return kExitUsage;
  }
  const ViewerOptions& options = parsed.options;
  if (options.help) {
    printUsage(stdout);
    return kExitQuit;
  }
  if (options.version) {
    printVersion(stdout);
    return kExitQuit;
  }
  Script script;
  if (options.script) script = loadScript(options.script);  // exits 2 before any window
  static Mesh mesh;
  if (options.mesh) {
    const MeshReadResult read = readMesh(options.mesh, &mesh);
    if (!read.ok) {
      std::fprintf(stderr, "%s\n", read.error.c_str());
      return kExitUsage;
    }
    sceneMesh = &mesh;
  }
  exitUnlessDisplayOpens(argc, argv);
  glutInit(&argc, argv);
  exitOnLostDisplay();
  routeReportsWithoutBlocking();
  startViewer(options.geometry ? placementFromGeometry() : WindowPlacement());
  applyStartOptions(options);
  std::vector<int> extraWindows;
  if (options.world) extraWindows.push_back(openWorldView());
  if (options.inspect) {
    openInspector(controlPanelWindow());
    extraWindows.push_back(inspectorWindow());
  }
  if (options.raster) extraWindows.push_back(openRasterWindow());
  if (options.script) runScript(script, options.out ? options.out : ".", extraWindows);
  glutMainLoop();
  return 0;
}
