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

// Waits for the first frame, then runs the commands one by one, each through
// the path a user's action takes: panel commands through the toolkit's user
// actions (live variable, redisplay, callback with the drawing window
// current), drag, click and key through the drawing window's mouse, motion and
// keyboard handlers, resize through the window system and the reshape
// handler. Between commands, and between the press, motion and release of a
// drag, the event loop runs until every frame it would draw has been drawn.
// `snap` writes outDir/NAME.png (the folder is made when missing): the
// drawing window and the panel side by side, followed on the right by the
// extraWindows (GLUT ids of the opt-in world view and inspector, when open).
//
// Never returns: exits 0 when the script ends; "Quit" (0) and Esc (1) end it
// as they always do; a snapshot that cannot be written ends it with a message
// naming the file and status 3, after all output so far has been flushed.
[[noreturn]] void runScript(const Script& script, const std::string& outDir,
                            const std::vector<int>& extraWindows = {});

#endif  // SESSION_SCRIPT_RUN_H_
