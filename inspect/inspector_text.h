#ifndef INSPECT_INSPECTOR_TEXT_H_
#define INSPECT_INSPECTOR_TEXT_H_

// The inspector's lines of text, built from plain values. No GL, no state.
// Numbers follow the console reports: matrix elements with "%f", points and
// axes with three decimals as "C" prints them; fields of view with two
// decimals, as the panel's spinners show them.

#include <type_traits>

#include "app/last_step.h"
#include "camera/vector3.h"

struct TextLine {
  char text[384];
};
static_assert(std::is_trivially_copyable_v<TextLine>);

// "(x, y, z)" with three decimals.
TextLine vectorText(const Vector3& v);

// The last drag step on three lines: mode, axis, sign and the one number it
// handed on; how the camera read it (units along its own axis, or radians)
// and that glTranslatef or glRotatef and Corvane got the same number (units
// along the world's axis, or degrees); and that OpenGL's model-view is not
// built from those calls but rebuilt from the camera at every frame. Or one
// line: that there was none yet.
TextLine stepText(const DragStepRecord& step);

// One line saying where a cell of OpenGL's model-view comes from: display
// loads gluLookAt(eye, eye - n, v), whose rows are the camera's u, v and n
// and whose last column is minus each axis dotted with the eye; with the
// camera's current numbers (three decimals, as "C" prints), ending in the
// cell's value as the reports print it.
struct ViewFrame {
  Vector3 eye;
  Vector3 u;
  Vector3 v;
  Vector3 n;
};
TextLine openGlModelViewCellText(int row, int column, float value, const ViewFrame& camera);

// One line saying which drag steps made a cell of Corvane's model-view: the
// steps that changed its bits, counted by mode and axis; or that none did,
// so it keeps the identity's value.
TextLine corvaneModelViewCellText(int row, int column, float value, const CorvaneCellSteps& steps);

// The fields of view (degrees) and clipping distances a projection was built
// from.
struct ProjectionInputs {
  float hfov;
  float vfov;
  float nearPlane;
  float farPlane;
};

// One line saying where the projection's cell (row, column) comes from in
// gluPerspective(Vfov, Hfov / Vfov, near, far), with the current inputs, ending
// in the cell's value as the reports print it, e.g.
// "P[1][1] = cot(Vfov/2) = cot(60.00/2) = 1.732051".
TextLine projectionCellText(int row, int column, float value, const ProjectionInputs& in);

// What each pair of matrices is expected to show.
extern const char kModelViewExpectation[];
extern const char kProjectionExpectation[];

#endif  // INSPECT_INSPECTOR_TEXT_H_
