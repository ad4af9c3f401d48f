#ifndef APP_STARTUP_H_
#define APP_STARTUP_H_

// Opens the drawing window "OpenGL" (400 by 400 at 0, 0), registers its GLUT
// handlers, sets the initial OpenGL state and builds the control panel.
// Everything main does between glutInit and glutMainLoop, so tests can run
// start-up without entering the event loop.
void startViewer();

#endif  // APP_STARTUP_H_
