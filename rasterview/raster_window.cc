// Glue: the "Corvane Raster" GLUT window. Opens and places it, registers its
// callbacks (and no other window's), and at the end of each frame of the
// drawing window, with that window's context current, draws Corvane's
// picture and reads OpenGL's back. Draws its own picture with glDrawPixels
// in its own context. Does not change the program's state or any GL state of
// the drawing window, and never leaves another window current.

#include "rasterview/raster_window.h"

#include <GL/freeglut.h>

#include <cstdint>
#include <vector>

#include "app/panel.h"
#include "app/state.h"
#include "raster/picture_compare.h"
#include "raster/raster_frame.h"
#include "raster/raster_image.h"
#include "rasterview/scene_triangles.h"
#include "scene/close_alone.h"
#include "scene/view.h"

namespace {

constexpr int kWindowGap = 8;     // pixels between this window and the panel above it
constexpr int kCaptionRows = 30;  // the caption's band at the top of the window
constexpr int kCaptionLineStep = 14;

int rasterWindow = 0;  // 0 once the window is closed
RasterView view = RasterView::Corvane;
RasterFrame frame;
RasterImage corvane;                   // Corvane's picture, rows from the bottom
std::vector<std::uint8_t> openGlRgba;  // as glReadPixels gives it
std::vector<std::uint8_t> openGl;      // the same as RGB
std::vector<std::uint8_t> difference;
PictureComparison comparison;
bool haveFrame = false;
// The panel's and drawing window's places this window was last put below:
// the panel's final size is known only once the X server has configured
// it, after this window opened, so it moves until they stay put.
int placedFor[4] = {-1, -1, -1, -1};
bool placed = false;

// Below the control panel, at its left edge: right of anything placed below
// the drawing window, and clear of the panel and the drawing window. Leaves
// the drawing window current; *key receives what the place depends on.
void placementBelowPanel(int* x, int* y, int key[4]) {
  glutSetWindow(controlPanelWindow());
  const int border = glutGet(GLUT_WINDOW_BORDER_WIDTH);
  *x = glutGet(GLUT_WINDOW_X) - border;
  const int panelBottom = glutGet(GLUT_WINDOW_Y) + glutGet(GLUT_WINDOW_HEIGHT);
  key[0] = *x;
  key[1] = panelBottom;
  glutSetWindow(windowIds[0]);
  const int drawingBottom = glutGet(GLUT_WINDOW_Y) + glutGet(GLUT_WINDOW_HEIGHT);
  key[2] = drawingBottom;
  key[3] = border;
  const int bottom = panelBottom > drawingBottom ? panelBottom : drawingBottom;
  *y = bottom + border + glutGet(GLUT_WINDOW_HEADER_HEIGHT) + kWindowGap;
  if (*x < 0) *x = 0;
}

void readOpenGlPicture(int width, int height) {
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  openGlRgba.resize(4 * pixels);
  openGl.resize(3 * pixels);
  // RGBA rows are whole words, so the pack alignment (4 by default) adds no
  // padding whatever the width.
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, openGlRgba.data());
  for (std::size_t i = 0; i < pixels; ++i) {
    for (int k = 0; k < 3; ++k) openGl[3 * i + k] = openGlRgba[4 * i + k];
  }
}

// A frame listener: runs right after the drawing window's buffer swap with
// its context current, so the window's size and back buffer are the frame's.
void followFrame() {
  if (rasterWindow == 0) return;
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);
  rasterCurrentFrame(frame, &corvane, width, height);
  readOpenGlPicture(width, height);
  comparison = comparePictures(corvane.rgb.data(), openGl.data(), width, height, 0, height - 1);
  differencePicture(corvane.rgb.data(), openGl.data(), width, height, &difference);
  haveFrame = true;
  glutPostWindowRedisplay(rasterWindow);
}

const std::uint8_t* shownPicture() {
  switch (view) {
    case RasterView::Corvane:
      return corvane.rgb.data();
    case RasterView::OpenGl:
      return openGl.data();
    case RasterView::Difference:
      return difference.data();
  }
  return corvane.rgb.data();
}

void drawCaption(int width, int height) {
  char title[128];
  char counts[128];
  rasterCaption(view, comparison, width, height, title, counts, sizeof title);
  glColor3f(1.0f, 0.85f, 0.2f);
  glRasterPos2i(6, height - kCaptionLineStep);
  glutBitmapString(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(title));
  glRasterPos2i(6, height - 2 * kCaptionLineStep);
  glutBitmapString(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(counts));
}

void keepClearOfPanel() {
  if (placed) return;
  int x = 0;
  int y = 0;
  int key[4];
  placementBelowPanel(&x, &y, key);
  glutSetWindow(rasterWindow);
  bool same = true;
  for (int k = 0; k < 4; ++k) same = same && key[k] == placedFor[k];
  if (same) {
    placed = true;
    return;
  }
  for (int k = 0; k < 4; ++k) placedFor[k] = key[k];
  glutPositionWindow(x, y);
}

void onDisplay() {
  keepClearOfPanel();
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);
  // Follow the drawing window's size; the next display shows it at that size.
  if (haveFrame && (width != corvane.width || height != corvane.height)) {
    glutReshapeWindow(corvane.width, corvane.height);
  }
  glViewport(0, 0, width, height);
  // Raster positions in window pixels from the bottom left.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  if (haveFrame) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(0, 0);
    glDrawPixels(corvane.width, corvane.height, GL_RGB, GL_UNSIGNED_BYTE, shownPicture());
    static_assert(kCaptionRows >= 2 * kCaptionLineStep, "the caption fits its band");
    drawCaption(width, height);
  }
  glutSwapBuffers();
}

void onKeyboard(unsigned char key, int, int) {
  RasterView chosen = view;
  if (!viewForKey(key, view, &chosen)) return;
  view = chosen;
  glutPostRedisplay();
}

void onClose() {
  rasterWindow = 0;
  closeThisWindowAlone();
}

}  // namespace

int openRasterWindow() {
  const int previous = glutGetWindow();
  int x = 0;
  int y = 0;
  placementBelowPanel(&x, &y, placedFor);
  const int width = glutGet(GLUT_WINDOW_WIDTH);
  const int height = glutGet(GLUT_WINDOW_HEIGHT);

  // The application's window defaults stay as they were for any later window.
  const int mode = glutGet(GLUT_INIT_DISPLAY_MODE);
  const int initX = glutGet(GLUT_INIT_WINDOW_X);
  const int initY = glutGet(GLUT_INIT_WINDOW_Y);
  const int initW = glutGet(GLUT_INIT_WINDOW_WIDTH);
  const int initH = glutGet(GLUT_INIT_WINDOW_HEIGHT);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  glutInitWindowPosition(x, y);
  glutInitWindowSize(width, height);
  rasterWindow = glutCreateWindow("Corvane Raster");
  glutInitDisplayMode(static_cast<unsigned>(mode));
  glutInitWindowPosition(initX, initY);
  glutInitWindowSize(initW, initH);

  glutDisplayFunc(onDisplay);
  glutKeyboardFunc(onKeyboard);
  glutCloseFunc(onClose);
  addFrameListener(followFrame);

  if (previous > 0) glutSetWindow(previous);
  return rasterWindow;
}

void showRasterView(RasterView chosen) {
  if (rasterWindow == 0) return;
  view = chosen;
  glutPostWindowRedisplay(rasterWindow);
}
