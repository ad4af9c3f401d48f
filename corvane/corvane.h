#ifndef CORVANE_CORVANE_H_
#define CORVANE_CORVANE_H_

// Corvane: the program's own record of the viewing matrices, kept beside
// OpenGL's so the console reports can print the two side by side.

#include "camera/camera.h"
#include "corvane/matrix4.h"

// Product, in order, of every drag step's matrix since start-up; the identity
// before the first drag. Nothing resets it.
extern Matrix4 corvaneModelView;

// The perspective projection built from the fields of view with the same
// formula as gluPerspective(vfov, hfov / vfov, nearPlane, farPlane); the
// identity until the first reshape.
extern Matrix4 corvaneProjection;

// Rebuilds corvaneProjection from the fields of view (degrees) and the
// clipping distances, evaluated in double with each element rounded to float,
// so it matches the projection OpenGL reports bit for bit (checked against
// Mesa over the spinners' whole range). Called wherever OpenGL's projection is
// rebuilt: every reshape and every field-of-view change.
void updateCorvaneProjection(float hfov, float vfov, float nearPlane, float farPlane);

// The camera's view as the drawing window's gluLookAt(eye, eye - n, v) builds
// OpenGL's model-view, by Corvane's own arithmetic (corvane/pipeline.h,
// lookAtMatrix): the matrix that takes the scene's vertices to eye space. The
// identity until the first update; rebuilt by updateCorvaneLookAt wherever the
// camera changes (start-up, every drag step, Reset View). Unlike
// corvaneModelView it is derived from the camera, so the two differ in
// general.
extern Matrix4 corvaneLookAt;

void updateCorvaneLookAt(const Camera& camera);

#endif  // CORVANE_CORVANE_H_
