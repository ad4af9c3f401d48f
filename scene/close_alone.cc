#include "scene/close_alone.h"

#include <GL/freeglut.h>

namespace {

void restoreCloseAction(int action) { glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, action); }

}  // namespace

void closeThisWindowAlone() {
  const int action = glutGet(GLUT_ACTION_ON_WINDOW_CLOSE);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  glutTimerFunc(0, restoreCloseAction, action);
}
