// Glue: the "World View" GLUT window. Opens and places it, registers its
// callbacks (and no other window's), follows the drawing window's frames
// through a frame listener and handles the window being closed. Does not
// draw (world_picture.cc does), and never makes another window current or
// touches another window's GL state.

#include "world/world_view.h"

#include <GL/freeglut.h>

#include "app/state.h"
#include "scene/close_alone.h"
#include "scene/view.h"
#include "world/observer.h"
#include "world/world_picture.h"

namespace {

constexpr int kWorldSize = 400;  // pixels, both ways
constexpr int kWindowGap = 8;    // pixels between the drawing window and this one

int worldWindow = 0;  // 0 once the window is closed
Observer observer = startObserver();
int width = kWorldSize;
int height = kWorldSize;
bool dragging = false;
int lastX = 0;
int lastY = 0;

void onDisplay() {
  drawWorldPicture(observer, width, height);
  glutSwapBuffers();
}

void onReshape(int w, int h) {
  width = w;
  height = h;
  glutPostRedisplay();
}

void onMouse(int button, int state, int x, int y) {
  // With no wheel callback registered freeglut reports the wheel as buttons
  // 3 (towards the user: closer) and 4 (away: farther).
  if (button == 3 || button == 4) {
    if (state == GLUT_DOWN) {
      observer = zoomed(observer, button == 3 ? -1 : 1);
      glutPostRedisplay();
    }
    return;
  }
  dragging = state == GLUT_DOWN;
  lastX = x;
  lastY = y;
}

void onMotion(int x, int y) {
  if (!dragging) return;
  observer = orbited(observer, x - lastX, y - lastY);
  lastX = x;
  lastY = y;
  glutPostRedisplay();
}

void onKeyboard(unsigned char key, int, int) {
  if (key != kResetObserverKey) return;
  observer = startObserver();
  glutPostRedisplay();
}

// Runs at the end of every frame of the drawing window, with its context
// current: asks for one frame here without changing the current window.
void followScene() {
  if (worldWindow != 0) glutPostWindowRedisplay(worldWindow);
}

void onClose() {
  worldWindow = 0;
  dragging = false;
  closeThisWindowAlone();
}

}  // namespace

int openWorldView() {
  const int previous = glutGetWindow();
  // Below the drawing window, clear of its frame.
  glutSetWindow(windowIds[0]);
  const int border = glutGet(GLUT_WINDOW_BORDER_WIDTH);
  const int x = glutGet(GLUT_WINDOW_X) - border;
  const int y = glutGet(GLUT_WINDOW_Y) + glutGet(GLUT_WINDOW_HEIGHT) + border +
                glutGet(GLUT_WINDOW_HEADER_HEIGHT) + kWindowGap;

  // The application's window defaults stay as they were for any later window.
  const int mode = glutGet(GLUT_INIT_DISPLAY_MODE);
  const int initX = glutGet(GLUT_INIT_WINDOW_X);
  const int initY = glutGet(GLUT_INIT_WINDOW_Y);
  const int initW = glutGet(GLUT_INIT_WINDOW_WIDTH);
  const int initH = glutGet(GLUT_INIT_WINDOW_HEIGHT);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowPosition(x < 0 ? 0 : x, y);
  glutInitWindowSize(kWorldSize, kWorldSize);
  worldWindow = glutCreateWindow("World View");
  glutInitDisplayMode(static_cast<unsigned>(mode));
  glutInitWindowPosition(initX, initY);
  glutInitWindowSize(initW, initH);

  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutKeyboardFunc(onKeyboard);
  glutCloseFunc(onClose);
  addFrameListener(followScene);

  if (previous > 0) glutSetWindow(previous);
  return worldWindow;
}

void placeObserver(Observer o) {
  observer = o;
  followScene();
}
