#include "app/startup.h"

#include <GL/freeglut.h>

#include "app/panel.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/reports.h"
#include "scene/view.h"

void startViewer() {
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
  glutInitWindowPosition(0, 0);
  glutInitWindowSize(400, 400);
  windowIds[0] = glutCreateWindow("OpenGL");
  glutDisplayFunc(display);
  glutReshapeFunc(reshape);
  glutMouseFunc(mouse);
  glutMotionFunc(motion);
  glutKeyboardFunc(keyboard);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  buildControlPanel(windowIds[0]);
}
