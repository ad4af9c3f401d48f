#ifndef STAGES_STAGES_WINDOW_H_
#define STAGES_STAGES_WINDOW_H_

// The opt-in "Pipeline Stages" window (viewer --stages): the stages after
// the matrices. On the left, the scene's vertices and the viewing volume in
// eye, clip, NDC or window space, or morphing from the eye-space frustum to
// the NDC cube, seen by an observer that a drag orbits and the wheel moves
// closer or farther (world/observer.h); a click selects the nearest vertex.
// On the right, the controls, the near and far fields, the depth plot and
// the selected vertex traced (stages/stages_panel.h).
//
// Its own GL context: OpenGL's side of the trace is read in feedback mode
// there. The near and far fields change nearPlane and farPlane and rebuild
// the drawing window's and Corvane's projections as a field-of-view change
// does; nothing else here changes the program's state. The window redraws
// after a frame of the drawing window that changed what it shows and after
// its own input, and at no other time. Closing it closes only it.

#include <vector>

#include "stages/stages_model.h"

// Opens the window clear of the windows whose GLUT ids are given (and on
// the screen when it fits), registers its callbacks and its frame listener.
// Call once, after startViewer() and before glutMainLoop(). GLUT's current
// window is the same on return as before. Returns the window's GLUT id.
int openPipelineStages(const std::vector<int>& windowsToAvoid);

// The window's GLUT id; 0 before it opens and after it is closed.
int pipelineStagesWindow();

// What the window shows, as the last frame of the drawing window left it.
const StagesModel& pipelineStagesModel();

// What the near and far fields do with values they accept (0 < near < far,
// both finite): nearPlane and farPlane take them, and the projection is
// rebuilt in the drawing window, OpenGL's and Corvane's alike, and a frame
// asked for, as a field-of-view change does. GLUT's current window is the
// same on return.
void setClippingDistances(float nearDistance, float farDistance);

#endif  // STAGES_STAGES_WINDOW_H_
