// Builds the viewer's windows exactly as start-up does, prints the panel's
// control map (control_map.h) and exits without entering the event loop.
#include <GL/freeglut.h>

#include <cstdio>

#include "app/startup.h"
#include "tests/tools/control_map.h"

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  startViewer();
  return printControlMap(stdout) ? 0 : 1;
}
