// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. The command line is read before anything touches the X
// display, so --help, --version and a bad option need no display and open no
// window. Without options start-up makes exactly the calls it always made;
// --world, --inspect, --stages and --raster add the opt-in "World View",
// "Inspector", "Pipeline Stages" and "Corvane Raster" windows; --mesh FILE,
// read and checked before any window opens, puts a mesh in place of the
// sphere; --script FILE [--out DIR] runs a session script (session/script.h),
// checked before any window opens, and exits when the script ends, and
// --check FILE... runs each script so in a viewer of its own
// (session/check_run.h). Before any of that the standard descriptors are made
// sure to be open and the display is checked, so a missing display ends with
// one line and status 4, and report output never blocks the windows
// (process/report_output.h).
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "cli/options.h"
#include "cli/start_options.h"
#include "cli/usage.h"
#include "inspect/inspector.h"
#include "mesh/mesh.h"
#include "mesh/mesh_reader.h"
#include "process/display_check.h"
#include "process/standard_streams.h"
#include "scene/close_alone.h"
#include "scene/window_limit.h"
#include "session/check_run.h"
#include "rasterview/raster_window.h"
#include "session/script.h"
#include "session/script_run.h"
#include "stages/stages_window.h"
#include "world/world_view.h"

namespace {

// The drawing window's default placement with the parts -geometry gave laid
// over it, as the command line read them: freeglut leaves the size it reports
// unset when the geometry has none. An offset from the right or bottom edge
// places the window's far side there, as X does, within X's 16-bit positions.
// A side larger than the drawing window's limit is cut to it here, before the
// window exists.
WindowPlacement placementFromGeometry(const GeometryParts& parts) {
  WindowPlacement placement;
  if (parts.hasWidth) placement.width = parts.width;
  if (parts.hasHeight) placement.height = parts.height;
  if (placement.width > kMaxWindowSide || placement.height > kMaxWindowSide) {
    std::fprintf(stderr, "viewer: the drawing window is limited to %d x %d pixels\n",
                 kMaxWindowSide, kMaxWindowSide);
    placement.width = std::min(placement.width, kMaxWindowSide);
    placement.height = std::min(placement.height, kMaxWindowSide);
  }
  if (parts.hasPosition) {
    const int x =
        parts.fromRight ? glutGet(GLUT_SCREEN_WIDTH) - placement.width - parts.x : parts.x;
    const int y =
        parts.fromBottom ? glutGet(GLUT_SCREEN_HEIGHT) - placement.height - parts.y : parts.y;
    // X positions are 16-bit.
    placement.x = std::clamp(x, -32768, 32767);
    placement.y = std::clamp(y, -32768, 32767);
  }
  return placement;
}

std::vector<int> openExtraWindows;  // GLUT ids; some may have been closed since

std::vector<int> openWindows() {
  std::vector<int> windows = {windowIds[0], controlPanelWindow()};
  for (const int window : openExtraWindows) {
    if (!closedAlone(window)) windows.push_back(window);
  }
  return windows;
}

// Opens the display and the windows, then runs the script when there is one,
// else GLUT's event loop; returns never.
[[noreturn]] void startAndRun(const ViewerOptions& options, const Script* script, ScriptRun how,
                              int argc, char** argv) {
  exitUnlessDisplayOpens(argc, argv);
  glutInit(&argc, argv);
  exitOnLostDisplay();
  routeReportsWithoutBlocking();
  startViewer(options.geometry ? placementFromGeometry(options.placed) : WindowPlacement());
  applyStartOptions(options);
  if (options.world) {
    how.extraWindows.push_back(openWorldView());
    how.placeObserver = placeObserver;
  }
  if (options.inspect) {
    openInspector(controlPanelWindow());
    how.extraWindows.push_back(inspectorWindow());
  }
  if (options.stages) {
    std::vector<int> others = {windowIds[0], controlPanelWindow()};
    others.insert(others.end(), how.extraWindows.begin(), how.extraWindows.end());
    how.extraWindows.push_back(openPipelineStages(others));
  }
  if (options.raster) how.extraWindows.push_back(openRasterWindow());
  openExtraWindows = how.extraWindows;
  hideWindowsWhileReportsWait(openWindows);
  if (script) {
    const int status = runScript(*script, how);
    // Reports that could not be written fail the script like a snapshot.
    std::exit(finishReports() ? status : kExitSnapshot);
  }
  glutMainLoop();
  std::exit(kExitQuit);
}

}  // namespace

int main(int argc, char** argv) {
  openClosedStandardDescriptors();
  const ParsedCommandLine parsed = parseCommandLine(&argc, argv);
  if (!parsed.ok) {
    std::fprintf(stderr, "%s\nTry 'viewer --help'.\n", parsed.error.c_str());
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
  if (options.check) {
    if (options.display) exitUnlessDisplayOpens(argc, argv);  // its one line, not a child's
    return checkScripts(options.checkFiles, options.out, options.display,
                        [&](const Script& checked, const ScriptRun& how) {
                          startAndRun(options, &checked, how, argc, argv);
                        });
  }
  ScriptRun how;
  if (options.out) how.outDir = options.out;
  startAndRun(options, options.script ? &script : nullptr, how, argc, argv);
}
