#ifndef SESSION_CHECK_RUN_H_
#define SESSION_CHECK_RUN_H_

// `viewer --check FILE...`: each session script run in turn by a viewer of
// its own, on one private Xvfb display started for all of them (or on the
// display given with -display), and one line per script on standard output:
//
//   NAME: M met, F failed, status S
//
// A script that fails its check is not run: its errors go to standard error
// and its status is 2. A run's reports are not shown; its failed
// expectations' messages go to standard error. Snapshots are written only
// with --out DIR, each script's into DIR/STEM/ (STEM: the file's name
// without its folder and a final ".script"). Use from main before glutInit;
// nothing here touches GLUT.

#include <functional>
#include <vector>

#include "session/script.h"
#include "session/script_run.h"

// Runs one checked script in a started viewer; never returns. Called in a
// child process whose standard output and error lead nowhere.
using ViewerRun = std::function<void(const Script& script, const ScriptRun& how)>;

// Returns the exit status: 5 when any script failed an expectation, else the
// worst (highest) status of the scripts; 4 when no private display could be
// started.
int checkScripts(const std::vector<const char*>& files, const char* outDir, bool displayGiven,
                 const ViewerRun& run);

#endif  // SESSION_CHECK_RUN_H_
