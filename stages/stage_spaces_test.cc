// The numbers of the "Pipeline Stages" window at the start view (eye 2.5 from the sphere's centre,
// fields of view 60, near 0.1, far 1000, 400 by 400).
#include "stages/stage_spaces.h"

#include <gtest/gtest.h>

#include "corvane/corvane.h"
#include "stages/stages_panel.h"

namespace {

constexpr Viewport kStartViewport{0, 0, 400, 400};

void startView() {
  updateCorvaneLookAt(Camera());
  updateCorvaneProjection(60, 60, 0.1f, 1000);
}

// The sphere lies 1.5 to 3.5 ahead: depths 0.933427 (the trace's front vertex) to 0.971526, under
// 4 % of the range, the rest spent on the space between the near plane and the sphere and beyond.
TEST(StageSpacesTest, TheSphereUsesUnderFourPercentOfTheDepthRangeAtTheStart) {
  startView();
  const DepthUse use = depthUse(corvaneLookAt, corvaneProjection, kStartViewport);
  EXPECT_FLOAT_EQ(1.5f, use.nearestDistance);
  EXPECT_FLOAT_EQ(3.5f, use.farthestDistance);
  char line[160];
  depthUseLine(use, line, sizeof line);
  EXPECT_STREQ("the sphere uses 3.8 % of the depth range (0.933427 to 0.971526)", line);
}

// The whole volume in NDC is the cube -1..1, fitted to +-1.5; in eye space it is drawn to 4, so
// it spans z from -0.1 to -4 and is centred there.
TEST(StageSpacesTest, NdcVolumeIsTheCubeAndTheEyeFrustumIsDrawnToFour) {
  startView();
  VolumeSamples whole, cut;
  sampleVolume(corvaneProjection, kStartViewport, 60, 60, 0.1f, 1000, &whole);
  sampleVolume(corvaneProjection, kStartViewport, 60, 60, 0.1f, drawnDepth(0.1f, 1000), &cut);
  const Fit ndc = fitOf(whole, Space::kNdc);
  EXPECT_NEAR(1.5f, ndc.scale, 1e-5);
  EXPECT_NEAR(0.0f, ndc.centre.x, 1e-6);
  EXPECT_NEAR(0.0f, ndc.centre.z, 1e-5);
  const Fit eye = fitOf(cut, Space::kEye);
  EXPECT_FLOAT_EQ(-2.05f, eye.centre.z);
  EXPECT_FLOAT_EQ(4.0f, drawnDepth(0.1f, 1000));
  EXPECT_FLOAT_EQ(5.0f, drawnDepth(1, 5));
  EXPECT_FLOAT_EQ(20.0f, drawnDepth(10, 50));
}

}  // namespace
