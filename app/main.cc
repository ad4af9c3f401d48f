// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. It reads no files, arguments or environment of its own;
// glutInit takes the process's arguments only because freeglut needs it
// before the first window.
#include <GL/freeglut.h>

#include "app/startup.h"

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  startViewer();
  glutMainLoop();
  return 0;
}
