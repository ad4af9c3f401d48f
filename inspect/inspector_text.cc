#include "inspect/inspector_text.h"

#include <cstdio>

#include "inspect/cell_match.h"

const char kModelViewExpectation[] =
    "Expected to differ, by design: OpenGL's is rebuilt from the camera every frame; "
    "Corvane's is the product of every step since start-up, reads rotation amounts as "
    "degrees, and Reset View leaves it alone.";

const char kProjectionExpectation[] =
    "Expected to agree, by construction: the same formula from the same numbers.";

namespace {

const char* const kAxisNames[] = {"X (u)", "Y (v)", "Z (n)"};
const char* const kWorldAxes[] = {"x", "y", "z"};
const char* const kModeNames[] = {"TRANSLATE", "ROTATE"};

// The camera's axes as the rows of gluLookAt's matrix.
const char* const kRowAxes[] = {"u, the camera's right axis", "v, its up axis",
                                "n, its backward axis"};
const char kRowNames[] = "uvn";
const char kComponentNames[] = "xyz";

Vector3 rowAxis(const ViewFrame& camera, int row) {
  if (row == 0) return camera.u;
  return row == 1 ? camera.v : camera.n;
}

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

}  // namespace

TextLine vectorText(const Vector3& v) {
  TextLine line;
  std::snprintf(line.text, sizeof line.text, "(%.3f, %.3f, %.3f)", double{v.x}, double{v.y},
                double{v.z});
  return line;
}

TextLine stepText(const DragStepRecord& step) {
  TextLine line;
  if (step.count == 0) {
    std::snprintf(line.text, sizeof line.text, "Last drag step: none yet");
    return line;
  }
  const int axisIndex = step.axis >= 0 && step.axis < 3 ? step.axis : 2;
  const char* axis = kAxisNames[axisIndex];
  const PrintedNumber printed = printedNumber(step.amount);
  const char* amount = printed.text;
  if (step.mode == 0) {
    std::snprintf(line.text, sizeof line.text,
                  "Last drag step, no. %ld: TRANSLATE along %s, sign %+d, one number: %s\n"
                  "  the camera moved %s units along its own axis; glTranslatef and Corvane\n"
                  "  were handed %s along the world's %s. OpenGL's model-view is rebuilt from "
                  "the camera.",
                  step.count, axis, step.sign, amount, amount, amount, kWorldAxes[axisIndex]);
  } else {
    std::snprintf(line.text, sizeof line.text,
                  "Last drag step, no. %ld: ROTATE about %s, sign %+d, one number: %s\n"
                  "  the camera turned %s radians (%.3f degrees); glRotatef and Corvane were\n"
                  "  handed %s as degrees. OpenGL's model-view is rebuilt from the camera.",
                  step.count, axis, step.sign, amount, amount,
                  double{step.amount} * kDegreesPerRadian, amount);
  }
  return line;
}

TextLine projectionCellText(int row, int column, float value, const ProjectionInputs& in) {
  TextLine line;
  const PrintedNumber number = printedNumber(value);
  const char* printed = number.text;
  const double hfov = in.hfov;
  const double vfov = in.vfov;
  const double zNear = in.nearPlane;
  const double zFar = in.farPlane;
  const int cell = 4 * row + column;
  switch (cell) {
    case 0:
      std::snprintf(line.text, sizeof line.text,
                    "P[0][0] = cot(Vfov/2) / (Hfov/Vfov) = cot(%.2f/2) / (%.2f/%.2f) = %s", vfov,
                    hfov, vfov, printed);
      break;
    case 5:
      std::snprintf(line.text, sizeof line.text, "P[1][1] = cot(Vfov/2) = cot(%.2f/2) = %s", vfov,
                    printed);
      break;
    case 10:
      std::snprintf(line.text, sizeof line.text,
                    "P[2][2] = -(far + near) / (far - near) = -(%g + %g) / (%g - %g) = %s", zFar,
                    zNear, zFar, zNear, printed);
      break;
    case 11:
      std::snprintf(line.text, sizeof line.text,
                    "P[2][3] = -2 far near / (far - near) = -2 * %g * %g / (%g - %g) = %s", zFar,
                    zNear, zFar, zNear, printed);
      break;
    case 14:
      std::snprintf(line.text, sizeof line.text,
                    "P[3][2] = -1 (w becomes -z, the distance in front of the eye, for the "
                    "perspective divide) = %s",
                    printed);
      break;
    default:
      std::snprintf(line.text, sizeof line.text,
                    "P[%d][%d] = 0 (gluPerspective sets no other cell) = %s", row, column, printed);
      break;
  }
  return line;
}

TextLine openGlModelViewCellText(int row, int column, float value, const ViewFrame& camera) {
  TextLine line;
  const PrintedNumber number = printedNumber(value);
  const char* printed = number.text;
  if (row == 3) {
    std::snprintf(line.text, sizeof line.text,
                  "M[3][%d] = %d (a view transform keeps w: the bottom row of gluLookAt) = %s",
                  column, column == 3 ? 1 : 0, printed);
    return line;
  }
  const Vector3 axis = rowAxis(camera, row);
  const char name = kRowNames[row];
  if (column < 3) {
    std::snprintf(line.text, sizeof line.text, "M[%d][%d] = %c.%c, of %s %.60s = %s", row, column,
                  name, kComponentNames[column], kRowAxes[row], vectorText(axis).text, printed);
    return line;
  }
  const Vector3& eye = camera.eye;
  std::snprintf(line.text, sizeof line.text,
                "M[%d][3] = -%c.eye = -(%.3f * %.3f + %.3f * %.3f + %.3f * %.3f) = %s", row, name,
                double{axis.x}, double{eye.x}, double{axis.y}, double{eye.y}, double{axis.z},
                double{eye.z}, printed);
  return line;
}

TextLine corvaneModelViewCellText(int row, int column, float value, const CorvaneCellSteps& steps) {
  TextLine line;
  const PrintedNumber number = printedNumber(value);
  int used = std::snprintf(line.text, sizeof line.text, "M[%d][%d] = %s", row, column, number.text);
  bool any = false;
  for (int mode = 0; mode < 2; ++mode) {
    for (int axis = 0; axis < 3; ++axis) {
      const long count = steps.changedBy[row][column][mode][axis];
      if (count == 0 || used >= static_cast<int>(sizeof line.text)) continue;
      used += std::snprintf(line.text + used, sizeof line.text - used, "%s%ld %s %s",
                            any ? ", " : ", made by drag steps: ", count, kModeNames[mode],
                            kAxisNames[axis]);
      any = true;
    }
  }
  if (!any) {
    std::snprintf(line.text + used, sizeof line.text - used,
                  ": no drag step has changed it, so it keeps the identity's %d", row == column);
  }
  return line;
}
