#ifndef CLI_START_OPTIONS_H_
#define CLI_START_OPTIONS_H_

// Glue: puts the command line's start state into the built control panel.
//
// Does: for each option given, in the panel's order (render mode, light,
// culling, depth, Hfov, Vfov), acts on the control as the user would, through
// the toolkit's user-action entry points: the live variable is written, the
// panel shows the value, a redisplay of the drawing window is posted and
// controlCallback runs with the drawing window current. A value the control
// already has changes nothing and calls nothing, as for a user.
//
// Does not: make any call at all for options not given, check ranges (the
// parser did), or touch the drag mode, axis, "Look at Object" or the camera.

#include "cli/options.h"

// Call after buildControlPanel and before glutMainLoop.
void applyStartOptions(const ViewerOptions& options);

#endif  // CLI_START_OPTIONS_H_
