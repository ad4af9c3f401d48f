#ifndef CORVANE_REPORTS_H_
#define CORVANE_REPORTS_H_

// GLUT keyboard callback of the drawing window: the console reports.
//
//   "?"  OpenGL's model-view matrix, then corvaneModelView
//   "P"  OpenGL's projection matrix, then corvaneProjection
//   "C"  the camera's eye point
//   Esc  ends the process with status 1, printing nothing
//
// Every other key, the lower-case "c" and "p" included, is ignored. Titles go
// to standard error, numbers to standard output; standard output is flushed
// after every matrix or vector, so a report reaches a pipe or a file at once
// and in order with its titles. The pointer position x, y is not used.
void keyboard(unsigned char key, int x, int y);

#endif  // CORVANE_REPORTS_H_
