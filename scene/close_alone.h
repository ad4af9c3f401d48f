#ifndef SCENE_CLOSE_ALONE_H_
#define SCENE_CLOSE_ALONE_H_

// For the close callback (glutCloseFunc) of an opt-in extra window: closing
// it closes only it. freeglut ends the whole program after a window is
// closed while its close action is GLUT_ACTION_EXIT, which the drawing
// window and the panel rely on. It reads the action only after the close
// callback returns, so this switches the action to "continue" and a
// zero-delay timer, which runs before the next input event is handled, puts
// the previous action back.
// Call it with that window current (as in its close callback).
void closeThisWindowAlone();

// Whether closeThisWindowAlone closed the GLUT window with this id: freeglut
// has no query for a window that is gone, and glutSetWindow on one prints a
// warning and leaves the current window as it was.
bool closedAlone(int glutWindow);

#endif  // SCENE_CLOSE_ALONE_H_
