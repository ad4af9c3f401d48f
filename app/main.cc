// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. Started without options it reads no files, arguments or
// environment of its own; glutInit takes the process's arguments only because
// freeglut needs it before the first window. "--inspect" adds the Inspector
// window.
#include <GL/freeglut.h>

#include <cstring>

#include "app/panel.h"
#include "app/startup.h"
#include "inspect/inspector.h"

int main(int argc, char** argv) {
  // merge: replaced by the command-line parser
  bool inspect = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--inspect") == 0) inspect = true;
  }
  glutInit(&argc, argv);
  startViewer();
  if (inspect) openInspector(controlPanelWindow());
  glutMainLoop();
  return 0;
}
