// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. The command line is read before anything touches the X
// display, so --help, --version and a bad option need no display and open no
// window. Without options start-up makes exactly the calls it always made;
// --world, --inspect and --stages add the opt-in "World View", "Inspector"
// and "Pipeline Stages" windows, --script FILE [--out DIR] runs a session script
// (session/script.h), checked before any window opens, and exits when the script ends, and
// --check FILE... runs each script so in a viewer of its own
// (session/check_run.h). Before any of
// that the standard descriptors are made sure to be open and the display is
// checked, so a missing display ends with one line and status 4, and report
// output never blocks the windows (process/report_output.h).
#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/panel.h"
#include "app/state.h"
#include "app/startup.h"
#include "cli/options.h"
#include "cli/start_options.h"
#include "cli/usage.h"
#include "inspect/inspector.h"
#include "stages/stages_window.h"
#include "process/display_check.h"
#include "process/standard_streams.h"
#include "session/check_run.h"
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

// Opens the display and the windows, then runs the script when there is one,
// else GLUT's event loop; returns never.
void startAndRun(const ViewerOptions& options, const Script* script, ScriptRun how, int argc,
                 char** argv) {
  exitUnlessDisplayOpens(argc, argv);
  glutInit(&argc, argv);
  exitOnLostDisplay();
  routeReportsWithoutBlocking();
  startViewer(options.geometry ? placementFromGeometry() : WindowPlacement());
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
  if (script) runScript(*script, how);
  glutMainLoop();
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
  return 0;
}
