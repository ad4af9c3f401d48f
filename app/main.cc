// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. It reads no files or environment of its own; glutInit
// takes the process's arguments because freeglut needs it before the first
// window, and --world opens the opt-in "World View" window.
#include <GL/freeglut.h>

#include <cstring>

#include "app/startup.h"
#include "world/world_view.h"

int main(int argc, char** argv) {
  // merge: replaced by the command-line parser
  bool world = false;
  for (int i = 1; i < argc; ++i) world = world || std::strcmp(argv[i], "--world") == 0;
  glutInit(&argc, argv);
  startViewer();
  if (world) openWorldView();
  glutMainLoop();
  return 0;
}
