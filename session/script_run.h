#ifndef SESSION_SCRIPT_RUN_H_
#define SESSION_SCRIPT_RUN_H_

// Running a checked session script (session/script.h) in the started viewer.
//
// Use from main: loadScript before glutInit (a bad script exits 2 before any
// window opens), then glutInit, startViewer and any other start-up, then
// runScript in place of glutMainLoop.

#include <string>
#include <vector>

#include "session/script.h"
#include "world/observer.h"

// Expectations that held and failed, counted as a run goes.
struct ExpectationTally {
  int met = 0;
  int failed = 0;
};

// How a script runs: where its snapshots go and whether it takes them, the
// opt-in windows open, and where its failed expectations are told.
struct ScriptRun {
  std::string outDir = ".";
  bool snapshots = true;          // false: `snap` lines do nothing
  std::vector<int> extraWindows;  // GLUT ids of the opt-in windows a snapshot shows
  // Where a failed expectation's message goes: -1 for standard error, in
  // order with the reports; else that descriptor.
  int failureFd = -1;
  ExpectationTally* tally = nullptr;  // when set, counted into as the run goes
  // Places the world view's observer for `world orbit`; nullptr when the
  // world view is not open, and the command then does nothing.
  void (*placeObserver)(Observer) = nullptr;
};

// Waits for the first frame, then runs the commands one by one, each through
// the path a user's action takes: panel commands through the toolkit's user
// actions (live variable, redisplay, callback with the drawing window
// current), drag, click and key through the drawing window's mouse, motion and
// keyboard handlers, resize through the window system and the reshape
// handler. Between commands, and between the press, motion and release of a
// drag, the event loop runs until every frame it would draw has been drawn.
// `snap` writes outDir/NAME.png (the folder is made when missing): the
// drawing window and the panel side by side, followed on the right by the
// extraWindows (GLUT ids of the opt-in world view and inspector, when open;
// one closed since is left out).
// `expect` compares what the reports or the panel would show now
// (session/expectation.h); `echo` prints on standard output; `camera` sets the
// camera's eye or aims it and `world orbit` places the world view's
// observer, neither through a drag step: Corvane's model-view and OpenGL's
// current matrix are not touched, the next frame shows the new view, and
// corvaneLookAt follows the camera as on every change of it.
//
// Returns when the script ends: kExitQuit, or kExitExpectation when an
// expectation failed (main then writes the waiting reports and exits with
// it). "Quit" ends the run as its button does, with 0, or 5 when an
// expectation failed; Esc ends it with 1 as always; a snapshot that cannot be
// written ends it with a message naming the file and status 3, after all
// output so far has been flushed.
int runScript(const Script& script, const ScriptRun& how);

#endif  // SESSION_SCRIPT_RUN_H_
