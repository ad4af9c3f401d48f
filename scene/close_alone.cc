#include "scene/close_alone.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> closedWindows;  // GLUT ids

void restoreCloseAction(int action) { glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, action); }

}  // namespace

void closeThisWindowAlone() {
  closedWindows.push_back(glutGetWindow());
  const int action = glutGet(GLUT_ACTION_ON_WINDOW_CLOSE);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  glutTimerFunc(0, restoreCloseAction, action);
}

bool closedAlone(int glutWindow) {
  return std::find(closedWindows.begin(), closedWindows.end(), glutWindow) != closedWindows.end();
}
