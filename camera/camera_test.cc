#include "camera/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "tests/support/bits.h"
#include "tests/support/capture.h"

namespace {

using testsupport::sameBits;

void expectResetFrame(const Camera& c) {
  EXPECT_TRUE(sameBits(Vector3(1, 0, 0), c.u));
  EXPECT_TRUE(sameBits(Vector3(0, 1, 0), c.v));
  EXPECT_TRUE(sameBits(Vector3(0, 0, 1), c.n));
}

// Runs lookAt with both streams captured; returns what it wrote to standard
// error, the only stream it may use.
std::string lookAtCaptured(Camera& c, Vector3 target) {
  testsupport::CapturedStreams streams;
  c.lookAt(target);
  streams.stop();
  EXPECT_EQ(streams.out(), "");
  return streams.err();
}

TEST(CameraTest, ResetFrameAtConstructionAfterResetsAndFromLookAt) {
  Camera c;
  EXPECT_TRUE(sameBits(Vector3(0, 0, 2.5f), c.eye));
  expectResetFrame(c);
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
  expectResetFrame(c);

  c.setHfov(90);
  c.setVfov(45);
  c.translate(1, 2, 3, 0, Vector3(0, 0, 0));
  c.roll(0.3f);
  c.resetAxes();
  EXPECT_TRUE(sameBits(Vector3(1, 2, 5.5f), c.eye));
  expectResetFrame(c);
  c.reset();
  EXPECT_TRUE(sameBits(Vector3(0, 0, 2.5f), c.eye));
  EXPECT_EQ(c.hfov, 90.0f);
  EXPECT_EQ(c.vfov, 45.0f);
}

TEST(CameraTest, TranslateWithoutAimKeepsTheFrameWithAimLooksAtTheTarget) {
  Camera still;
  still.translate(1, 0, 0, 0, Vector3(0, 0, 0));
  EXPECT_TRUE(sameBits(Vector3(1, 0, 2.5f), still.eye));
  expectResetFrame(still);

  Camera c;
  testsupport::CapturedStreams streams;
  c.translate(0.25f, 0, 0, 1, Vector3(0, 0, 0));
  streams.stop();
  EXPECT_EQ(streams.err(), "");
  EXPECT_TRUE(sameBits(Vector3(0.25f, 0, 2.5f), c.eye));
  Vector3 n(0.25f, 0, 2.5f);
  n.normalize();
  Vector3 u(n.z, 0, -n.x);
  u.normalize();
  EXPECT_TRUE(sameBits(n, c.n));
  EXPECT_TRUE(sameBits(u, c.u));
  EXPECT_TRUE(sameBits(Vector3(-0.0f, 1, 0), c.v));
}

TEST(CameraTest, LookAtKeepsAnUpsideDownCameraUpsideDown) {
  Camera c;
  c.setAxes(Vector3(-1, 0, 0), Vector3(0, -1, 0), Vector3(0, 0, 1));
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "flipped\n");
  EXPECT_EQ(c.v.x, 0.0f);
  EXPECT_EQ(c.v.y, -1.0f);
  EXPECT_EQ(c.v.z, 0.0f);
}

TEST(CameraTest, LookAtFlipsWhenEveryProductIsZero) {
  Camera c;
  c.setAxes(Vector3(1, 0, 0), Vector3(0, 0, 1), Vector3(0, -1, 0));
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "flipped\n");
  EXPECT_EQ(c.u.x, -1.0f);
  EXPECT_EQ(c.u.y, 0.0f);
  EXPECT_EQ(c.v.y, -1.0f);
  EXPECT_EQ(c.v.z, 0.0f);
  EXPECT_TRUE(sameBits(Vector3(0, 0, 1), c.n));
}

// The old right axis supplies the new up only when the new n is within
// acos(0.97) of the vertical, tested in double: an n.y of exactly 0.97f (just
// above 0.97) takes it, the float below takes the world's up, which leaves
// the new u horizontal. The camera is rolled so that the two differ.
TEST(CameraTest, LookAtTakesTheOldRightAxisOnlyAboveTheNearVerticalThreshold) {
  const struct {
    float eyeY, nY;
    bool horizontalU;
  } cases[] = {{0x1.feb9d2p+1f, 0.97f, false},
               {0x1.feb9ap+1f, std::nextafter(0.97f, 0.0f), true}};
  for (const auto& c : cases) {
    Camera camera;
    camera.setAxes(Vector3(0.8f, 0.6f, 0), Vector3(-0.6f, 0.8f, 0), Vector3(0, 0, 1));
    camera.eye.set(0, c.eyeY, 1);
    EXPECT_EQ(lookAtCaptured(camera, Vector3(0, 0, 0)), "");
    EXPECT_TRUE(sameBits(c.nY, camera.n.y));
    EXPECT_EQ(camera.u.y == 0.0f, c.horizontalU) << c.nY;
  }
}

// With no direction to look in, or none for the new up, lookAt leaves the
// camera as it was instead of filling it with NaN.
TEST(CameraTest, LookAtWithoutADirectionKeepsTheFrame) {
  Camera onTarget;
  onTarget.eye.set(0, 0, 0);
  onTarget.roll(0.5f);
  // Rolled a quarter turn, u points up; looking straight down the old u
  // leaves no direction for the new up.
  Camera alongU;
  alongU.setAxes(Vector3(0, 1, 0), Vector3(-1, 0, 0), Vector3(0, 0, 1));
  alongU.eye.set(0, 2, 0);
  for (Camera c : {onTarget, alongU}) {
    const Camera before = c;
    EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
    EXPECT_EQ(std::memcmp(&before, &c, sizeof c), 0);
  }
}

TEST(CameraTest, RollByTheFloatNearestHalfPi) {
  Camera c;
  const float quarter = static_cast<float>(M_PI / 2);
  c.roll(quarter);
  const float cosA = static_cast<float>(std::cos(double{quarter}));
  EXPECT_NEAR(cosA, -4.37e-8, 1e-10);
  EXPECT_TRUE(sameBits(Vector3(cosA, 1, 0), c.u));
  EXPECT_TRUE(sameBits(Vector3(-1, cosA, -0.0f), c.v));
  EXPECT_TRUE(sameBits(Vector3(0, 0, 1), c.n));
}

TEST(CameraTest, PitchDipsAndYawSwingsRight) {
  const float theta = 0.1f;
  const double s = std::sin(double{theta}), co = std::cos(double{theta});
  Camera pitched;
  pitched.pitch(theta);
  EXPECT_NEAR(pitched.viewX(), 0.0, 1e-7);
  EXPECT_NEAR(pitched.viewY(), -s, 1e-7);
  EXPECT_NEAR(pitched.viewZ(), -co, 1e-7);
  EXPECT_TRUE(sameBits(Vector3(1, 0, 0), pitched.u));

  Camera yawed;
  yawed.yaw(theta);
  EXPECT_NEAR(yawed.viewX(), s, 1e-7);
  EXPECT_NEAR(yawed.viewY(), 0.0, 1e-7);
  EXPECT_NEAR(yawed.viewZ(), -co, 1e-7);
  EXPECT_TRUE(sameBits(Vector3(0, 1, 0), yawed.v));
  EXPECT_TRUE(sameBits(Vector3(0, 0, 2.5f), yawed.eye));
}

}  // namespace
