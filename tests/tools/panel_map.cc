// Builds the viewer's control panel on the current display exactly as
// start-up does, prints its control map (see control_map.h) and exits
// without entering the event loop. The end-to-end harness runs it once per
// X server and clicks controls by label from its output.
#include <GL/freeglut.h>

#include <cstdio>

#include "app/startup.h"
#include "tests/tools/control_map.h"

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  startViewer();
  return printControlMap(stdout) ? 0 : 1;
}
