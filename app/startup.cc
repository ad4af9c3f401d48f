#include "app/startup.h"

#include <GL/freeglut.h>

#include "app/panel.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/corvane.h"
#include "corvane/reports.h"
#include "scene/view.h"

void startViewer(const WindowPlacement& placement) {
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
  glutInitWindowPosition(placement.x, placement.y);
  glutInitWindowSize(placement.width, placement.height);
  windowIds[0] = glutCreateWindow("OpenGL");
  glutDisplayFunc(display);
  glutReshapeFunc(reshape);
  glutMouseFunc(mouse);
  glutMotionFunc(motion);
  glutKeyboardFunc(keyboard);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  updateCorvaneLookAt(camera);
  buildControlPanel(windowIds[0]);
}
