#ifndef RASTERVIEW_VIEW_MATRIX_H_
#define RASTERVIEW_VIEW_MATRIX_H_

#include "corvane/matrix4.h"

// The model-view Corvane's picture is drawn with: the camera's look-at,
// built as the drawing window's gluLookAt(eye, eye - n, v) builds OpenGL's.
Matrix4 rasterViewMatrix();

#endif  // RASTERVIEW_VIEW_MATRIX_H_
