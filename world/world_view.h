#ifndef WORLD_WORLD_VIEW_H_
#define WORLD_WORLD_VIEW_H_

// The opt-in "World View" window (viewer --world): the scene, the camera and
// its viewing volume seen by an observer outside the scene.
//
// Mouse and keys in this window move only the observer: a drag with any
// button orbits it about the origin, the wheel (GLUT buttons 3 and 4) moves
// it closer or farther within limits, and kResetObserverKey puts it back at
// its start. The window redraws after every frame of the drawing window and
// after its own input, and at no other time.

#include "world/observer.h"

constexpr unsigned char kResetObserverKey = 'r';

// Opens the window, 400 by 400, below the drawing window (windowIds[0]), with
// its own GL context, and registers it to follow the drawing window's frames.
// Call once, after startViewer() and before glutMainLoop(). GLUT's current
// window is the same on return as before the call. Closing the window later
// closes only it; the viewer goes on. Returns the window's GLUT id.
int openWorldView();

// Puts the observer at o (within the limits of world/observer.h), as a
// session script's `world orbit` does, and redraws the window when it is
// open; the current window stays as it was.
void placeObserver(Observer o);

#endif  // WORLD_WORLD_VIEW_H_
