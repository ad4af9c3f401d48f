#ifndef APP_STARTUP_H_
#define APP_STARTUP_H_

// Where the drawing window opens: screen pixels of its top-left corner and
// its client area. Only -geometry changes the default.
struct WindowPlacement {
  int x = 0;
  int y = 0;
  int width = 400;
  int height = 400;
};

// Opens the drawing window "OpenGL" (400 by 400 at 0, 0 unless placed
// otherwise), registers its GLUT handlers, sets the initial OpenGL state and
// builds the control panel. Everything main does between glutInit and
// glutMainLoop, so tests can run start-up without entering the event loop.
void startViewer(const WindowPlacement& placement = WindowPlacement());

#endif  // APP_STARTUP_H_
