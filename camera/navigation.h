#ifndef CAMERA_NAVIGATION_H_
#define CAMERA_NAVIGATION_H_

// Mouse handling of the drawing window: drags move or turn the camera.
//
// Positions are GLUT window pixels, y counted from the top. One drag step
// moves the camera 0.05 world units per pixel (half of translateStep) or turns
// it by a tenth of rotateStep per pixel; a turn hands the same number to the
// camera as radians and to OpenGL and Corvane as degrees.

// GLUT mouse callback: records the position of every press and release; a
// left press asks for a new frame, a middle press writes the pixel's window
// coordinates to standard error.
void mouse(int button, int state, int x, int y);

// GLUT motion callback: the larger of the two displacements since the last
// mouse event (the vertical one on a tie) becomes one dragStep.
void motion(int x, int y);

// One navigation step along or about activeAxis, in navigationMode. sign is +1
// or -1; translateAmount is never positive and rotateAmount never negative,
// the direction travels in sign. Moves the camera, applies the same step to
// OpenGL's current matrix and appends it to corvaneModelView, in that order;
// then notes it in lastDragStep (app/last_step.h).
void dragStep(int sign, float translateAmount, float rotateAmount);

#endif  // CAMERA_NAVIGATION_H_
