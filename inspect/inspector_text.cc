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
  const char* axis = kAxisNames[step.axis >= 0 && step.axis < 3 ? step.axis : 2];
  const PrintedNumber printed = printedNumber(step.amount);
  const char* amount = printed.text;
  if (step.mode == 0) {
    std::snprintf(line.text, sizeof line.text,
                  "Last drag step, no. %ld: TRANSLATE along %s, sign %+d\n"
                  "  the camera moves %s units; OpenGL and Corvane translate %s units",
                  step.count, axis, step.sign, amount, amount);
  } else {
    std::snprintf(line.text, sizeof line.text,
                  "Last drag step, no. %ld: ROTATE about %s, sign %+d\n"
                  "  the camera turns %s radians (%.3f degrees); OpenGL and Corvane %s degrees",
                  step.count, axis, step.sign, amount, double{step.amount} * kDegreesPerRadian,
                  amount);
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
