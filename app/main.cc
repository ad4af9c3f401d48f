// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. It reads no files, arguments or environment of its own;
// glutInit takes the process's arguments only because freeglut needs it
// before the first window, and the display check looks for the display that
// glutInit will open. Exit statuses: 0 Quit, 1 Esc, 4 no X display or the
// connection to it lost.
#include <GL/freeglut.h>

#include "app/display_check.h"
#include "app/standard_streams.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  openClosedStandardDescriptors();
  exitUnlessDisplayOpens(argc, argv);
  glutInit(&argc, argv);
  exitOnLostDisplay();
  routeReportsWithoutBlocking();
  startViewer();
  glutMainLoop();
  return 0;
}
