#ifndef INSPECT_INSPECTOR_H_
#define INSPECT_INSPECTOR_H_

// The inspector: an opt-in window, "Inspector", that shows after every frame
// of the drawing window OpenGL's and Corvane's viewing matrices side by side,
// with the camera and the last drag step (see inspector_view.h).

#include "inspect/inspector_snapshot.h"

// Opens the window right of the window besideWindow (a GLUT id: the control
// panel's, controlPanelWindow()) and registers a frame listener with the
// drawing window. Call after startViewer, before glutMainLoop; a second call
// does nothing. Nothing of the inspector runs without this call.
//
// The drawing window's OpenGL stream gains two calls per frame, after its
// buffer swap: glGetFloatv of GL_MODELVIEW_MATRIX and GL_PROJECTION_MATRIX.
// Its GL state and GLUT's current window are left as they were. The inspector
// redraws only after a frame of the drawing window or when the pointer moves
// over it. Closing it closes only it, and the read-back stops.
void openInspector(int besideWindow);

// What the window shows: as of the last frame of the drawing window.
const InspectorSnapshot& inspectorSnapshot();

// The window's GLUT id; 0 before it opens and after it is closed.
int inspectorWindow();

#endif  // INSPECT_INSPECTOR_H_
