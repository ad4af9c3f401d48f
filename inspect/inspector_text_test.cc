// The inspector's explanations, each a literal line: the last drag step, and
// where each kind of model-view cell comes from, with the current numbers.
#include "inspect/inspector_text.h"
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(InspectorText, TheStepSaysWhatEachReceiverWasHandedAndTheModelViewCellsTheirSource) {
  DragStepRecord none{}, moved{2, 0, 0, -1, 0.25f}, turned{6, 1, 1, 1, 0.0872664f};
  const ViewFrame camera{Vector3(1.0f, 0.0f, 2.5f), Vector3(0.985f, 0.0f, 0.174f),
                         Vector3(0.0f, 1.0f, 0.0f), Vector3(-0.174f, 0.0f, 0.985f)};
  CorvaneCellSteps steps{};
  steps.changedBy[0][3][0][0] = 4;  // four TRANSLATE X steps
  steps.changedBy[0][3][1][1] = 2;  // two ROTATE Y steps
  const struct {
    std::string got, want;
  } rows[] = {
      {stepText(none).text, "Last drag step: none yet"},
      {stepText(moved).text,
       "Last drag step, no. 2: TRANSLATE along X (u), sign -1, one number: 0.250000\n"
       "  the camera moved 0.250000 units along its own axis; glTranslatef and Corvane\n"
       "  were handed 0.250000 along the world's x. OpenGL's model-view is rebuilt from the "
       "camera."},
      {stepText(turned).text,
       "Last drag step, no. 6: ROTATE about Y (v), sign +1, one number: 0.087266\n"
       "  the camera turned 0.087266 radians (5.000 degrees); glRotatef and Corvane were\n"
       "  handed 0.087266 as degrees. OpenGL's model-view is rebuilt from the camera."},
      {openGlModelViewCellText(0, 2, 0.174f, camera).text,
       "M[0][2] = u.z, of u, the camera's right axis (0.985, 0.000, 0.174) = 0.174000"},
      {openGlModelViewCellText(2, 0, -0.174f, camera).text,
       "M[2][0] = n.x, of n, its backward axis (-0.174, 0.000, 0.985) = -0.174000"},
      {openGlModelViewCellText(1, 3, 0.0f, camera).text,
       "M[1][3] = -v.eye = -(0.000 * 1.000 + 1.000 * 0.000 + 0.000 * 2.500) = 0.000000"},
      {openGlModelViewCellText(3, 3, 1.0f, camera).text,
       "M[3][3] = 1 (a view transform keeps w: the bottom row of gluLookAt) = 1.000000"},
      {corvaneModelViewCellText(0, 3, 1.0f, steps).text,
       "M[0][3] = 1.000000, made by drag steps: 4 TRANSLATE X (u), 2 ROTATE Y (v)"},
      {corvaneModelViewCellText(1, 1, 1.0f, steps).text,
       "M[1][1] = 1.000000: no drag step has changed it, so it keeps the identity's 1"},
      {corvaneModelViewCellText(1, 0, 0.0f, steps).text,
       "M[1][0] = 0.000000: no drag step has changed it, so it keeps the identity's 0"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.want, row.got);
}

}  // namespace
