#include "corvane/reports.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/exit_status.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "corvane/matrix4.h"

namespace {

constexpr unsigned char kEscape = 27;

// A blank line, then the title on a line of its own. Standard error is
// unit-buffered, so std::endl puts it out at once.
void printTitle(const char* title) { std::cerr << std::endl << title << std::endl; }

// Standard output is fully buffered when it is not a terminal; without the
// flush, the numbers would reach a pipe only at exit, after all the titles.
void printSection(const char* title, const Matrix4& matrix) {
  printTitle(title);
  matrix.print();
  std::fflush(stdout);
}

Matrix4 openGlMatrix(GLenum which) {
  float values[16];
  glGetFloatv(which, values);
  Matrix4 matrix;
  matrix.setFromArray(values);
  return matrix;
}

void reportModelView() {
  const Matrix4 openGl = openGlMatrix(GL_MODELVIEW_MATRIX);
  printSection("OpenGL Model/View Matrix", openGl);
  printSection("Corvane Model/View Matrix", corvaneModelView);
}

void reportProjection() {
  const Matrix4 openGl = openGlMatrix(GL_PROJECTION_MATRIX);
  printSection("OpenGL Projection Matrix", openGl);
  printSection("Corvane Projection Matrix", corvaneProjection);
}

void reportCamera() {
  printTitle("Camera Position");
  camera.eye.print();
  std::fflush(stdout);
}

}  // namespace

void keyboard(unsigned char key, int, int) {
  switch (key) {
    case kEscape:
      std::exit(kExitEscape);
    case '?':
      reportModelView();
      break;
    case 'C':
      reportCamera();
      break;
    case 'P':
      reportProjection();
      break;
    default:
      break;
  }
}
