#ifndef CORVANE_CORVANE_H_
#define CORVANE_CORVANE_H_

// Corvane: the program's own record of the viewing matrices, kept beside
// OpenGL's so the console reports can print the two side by side.

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

#endif  // CORVANE_CORVANE_H_
