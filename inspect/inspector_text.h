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
  char text[256];
};
static_assert(std::is_trivially_copyable_v<TextLine>);

// "(x, y, z)" with three decimals.
TextLine vectorText(const Vector3& v);

// The last drag step on two lines: mode, axis and sign; then the one amount
// in the units each receiver reads it in (units for a translation; radians
// for the camera's turn but degrees for OpenGL's and Corvane's). Or one line:
// that there was none yet.
TextLine stepText(const DragStepRecord& step);

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
