#include "camera/navigation.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>

#include "app/last_step.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "corvane/matrix4.h"
#include "scene/view.h"

namespace {

// What the step hands on, for the inspector; dragStep fills in the rest.
void noteStep(int axis, float amount) {
  lastDragStep.axis = axis;
  lastDragStep.amount = amount;
}

// Axes 0 and 2 move against the sign so that a drag right or down moves the
// eye along +u or +n; axis 1 moves with it, so a drag down moves along -v.
Matrix4 translateStepAlongAxis(int sign, float amount) {
  Matrix4 step;
  if (activeAxis == 0) {
    const float d = static_cast<float>(double(-sign) * double{amount});
    camera.translate(d, 0.0f, 0.0f, lookAtObject, objectCenter);
    glTranslatef(d, 0.0f, 0.0f);
    step.setTranslation(d, 0.0f, 0.0f);
    noteStep(0, d);
  } else if (activeAxis == 1) {
    const float d = static_cast<float>(double(sign) * double{amount});
    camera.translate(0.0f, d, 0.0f, lookAtObject, objectCenter);
    glTranslatef(0.0f, d, 0.0f);
    step.setTranslation(0.0f, d, 0.0f);
    noteStep(1, d);
  } else {
    const float d = static_cast<float>(double(-sign) * double{amount});
    camera.translate(0.0f, 0.0f, d, lookAtObject, objectCenter);
    glTranslatef(0.0f, 0.0f, d);
    step.setTranslation(0.0f, 0.0f, d);
    noteStep(2, d);
  }
  return step;
}

// The camera turns about its own eye (radians); OpenGL and the returned matrix
// turn by the same number read as degrees.
Matrix4 rotateAboutAxis(float angle) {
  Vector3 axis;
  if (activeAxis == 0) {
    camera.pitch(angle);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    axis = Vector3(1.0f, 0.0f, 0.0f);
    noteStep(0, angle);
  } else if (activeAxis == 1) {
    camera.yaw(angle);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    axis = Vector3(0.0f, 1.0f, 0.0f);
    noteStep(1, angle);
  } else {
    camera.roll(angle);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    axis = Vector3(0.0f, 0.0f, 1.0f);
    noteStep(2, angle);
  }
  Matrix4 rotation;
  rotation.setRotation(angle, axis);
  return rotation;
}

// With rotateAboutObject set, OpenGL and Corvane turn about objectCenter; the
// camera is not affected by the pivot.
Matrix4 rotateStepAboutAxis(int sign, float amount) {
  const bool pivot = rotateAboutObject != 0;
  const Vector3 p = objectCenter;
  Matrix4 toPivot;
  Matrix4 fromPivot;
  if (pivot) {
    glTranslatef(p.x, p.y, p.z);
    toPivot.setTranslation(p.x, p.y, p.z);
  }
  const float angle = static_cast<float>(double(sign) * double{amount});
  Matrix4 step = rotateAboutAxis(angle);
  if (pivot) {
    glTranslatef(-p.x, -p.y, -p.z);
    fromPivot.setTranslation(-p.x, -p.y, -p.z);
    step = (toPivot * step) * fromPivot;
  }
  return step;
}

}  // namespace

void mouse(int button, int state, int x, int y) {
  lastMouseX = x;
  lastMouseY = y;
  if (state != GLUT_DOWN) return;
  if (button == GLUT_LEFT_BUTTON) {
    glutPostRedisplay();
  } else if (button == GLUT_MIDDLE_BUTTON) {
    std::cerr << "Coordinates of the pixel (" << x << ", " << y << ")" << std::endl;
  }
}

void motion(int x, int y) {
  const int dx = x - lastMouseX;
  const int dy = y - lastMouseY;
  int sign = 1;
  int pixels;
  if (std::abs(dx) > std::abs(dy)) {
    if (dx < 0) sign = -1;
    pixels = std::abs(dx);
  } else {
    if (dy < 0) sign = -1;
    pixels = std::abs(dy);
  }
  const float amount = static_cast<float>(pixels);
  const float rotateAmount = static_cast<float>(double{amount} * 0.1 * double{rotateStep});
  const float translateAmount = static_cast<float>(double{amount} * -0.5 * double{translateStep});
  dragStep(sign, translateAmount, rotateAmount);
  redisplaySceneWindows();
  lastMouseX = x;
  lastMouseY = y;
}

void dragStep(int sign, float translateAmount, float rotateAmount) {
  const Matrix4 step = navigationMode == 0 ? translateStepAlongAxis(sign, translateAmount)
                                           : rotateStepAboutAxis(sign, rotateAmount);
  corvaneModelView = corvaneModelView * step;
  updateCorvaneLookAt(camera);
  lastDragStep.count += 1;
  lastDragStep.mode = navigationMode == 0 ? 0 : 1;
  lastDragStep.sign = sign;
}
