#include "camera/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "tests/support/capture.h"

namespace {

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectBits(const Vector3& got, float x, float y, float z) {
  EXPECT_TRUE(sameBits(got.x, x)) << got.x << " vs " << x;
  EXPECT_TRUE(sameBits(got.y, y)) << got.y << " vs " << y;
  EXPECT_TRUE(sameBits(got.z, z)) << got.z << " vs " << z;
}

void expectResetFrame(const Camera& c) {
  expectBits(c.u, 1, 0, 0);
  expectBits(c.v, 0, 1, 0);
  expectBits(c.n, 0, 0, 1);
}

// Runs lookAt with the standard error stream captured; returns what it wrote.
std::string lookAtCaptured(Camera& c, Vector3 target) {
  testsupport::CapturedStreams streams;
  c.lookAt(target);
  streams.stop();
  EXPECT_EQ(streams.out(), "");
  return streams.err();
}

TEST(CameraTest, NewCameraIsInResetPoseAndResetsRestoreIt) {
  Camera c;
  expectBits(c.eye, 0, 0, 2.5f);
  expectResetFrame(c);
  EXPECT_EQ(c.viewZ(), -1.0f);
  EXPECT_EQ(c.upY(), 1.0f);

  c.setHfov(90);
  c.setVfov(45);
  c.translate(1, 2, 3, 0, Vector3(0, 0, 0));
  c.roll(0.3f);
  c.resetAxes();
  expectBits(c.eye, 1, 2, 5.5f);
  expectResetFrame(c);
  c.reset();
  expectBits(c.eye, 0, 0, 2.5f);
  EXPECT_EQ(c.hfov, 90.0f);
  EXPECT_EQ(c.vfov, 45.0f);
}

TEST(CameraTest, TranslateWithoutAimKeepsTheFrame) {
  Camera c;
  c.translate(1, 0, 0, 0, Vector3(0, 0, 0));
  expectBits(c.eye, 1, 0, 2.5f);
  expectResetFrame(c);
}

TEST(CameraTest, TranslateWithAimLooksAtTheTarget) {
  Camera c;
  std::string err;
  {
    testsupport::CapturedStreams streams;
    c.translate(0.25f, 0, 0, 1, Vector3(0, 0, 0));
    streams.stop();
    err = streams.err();
  }
  EXPECT_EQ(err, "");
  expectBits(c.eye, 0.25f, 0, 2.5f);

  Vector3 n(0.25f, 0, 2.5f);
  n.normalize();
  Vector3 u(n.z, 0, -n.x);
  u.normalize();
  expectBits(c.n, n.x, n.y, n.z);
  expectBits(c.u, u.x, u.y, u.z);
  expectBits(c.v, -0.0f, 1, 0);
}

TEST(CameraTest, LookAtFromResetReproducesTheResetFrame) {
  Camera c;
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
  expectResetFrame(c);
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
  EXPECT_EQ(c.u.z, 0.0f);
  EXPECT_EQ(c.v.x, 0.0f);
  EXPECT_EQ(c.v.y, -1.0f);
  EXPECT_EQ(c.v.z, 0.0f);
  expectBits(c.n, 0, 0, 1);
}

TEST(CameraTest, LookAtNearTheVerticalTakesUpFromTheOldRightAxis) {
  Camera c;
  c.eye.set(0, 2.5f, 0.01f);  // almost straight above the origin
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
  EXPECT_GT(c.n.y, 0.97f);
  // v comes from n x u, so it stays perpendicular to the old right axis.
  EXPECT_NEAR(c.v.x, 0.0f, 1e-6);
  EXPECT_NEAR(c.u.x, 1.0f, 1e-6);
}

TEST(CameraTest, LookAtWithTheEyeOnTheTargetKeepsTheFrame) {
  Camera c;
  c.eye.set(0, 0, 0);
  c.roll(0.5f);
  const Camera before = c;
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
  EXPECT_EQ(std::memcmp(&before, &c, sizeof c), 0);
}

TEST(CameraTest, LookAtAlongTheOldRightAxisKeepsTheFrame) {
  // Rolled a quarter turn, u points up; looking straight down the old u
  // leaves no direction for the new up.
  Camera c;
  c.setAxes(Vector3(0, 1, 0), Vector3(-1, 0, 0), Vector3(0, 0, 1));
  c.eye.set(0, 2, 0);
  const Camera before = c;
  EXPECT_EQ(lookAtCaptured(c, Vector3(0, 0, 0)), "");
  EXPECT_EQ(std::memcmp(&before, &c, sizeof c), 0);
}

TEST(CameraTest, RollByTheFloatNearestHalfPi) {
  Camera c;
  const float quarter = static_cast<float>(M_PI / 2);
  c.roll(quarter);
  const float cosA = static_cast<float>(std::cos(double{quarter}));
  EXPECT_NE(cosA, 0.0f);
  EXPECT_NEAR(cosA, -4.37e-8, 1e-10);
  expectBits(c.u, cosA, 1, 0);
  expectBits(c.v, -1, cosA, -0.0f);
  expectBits(c.n, 0, 0, 1);
}

TEST(CameraTest, PitchDipsAndYawSwingsRight) {
  const float theta = 0.1f;
  const double s = std::sin(double{theta}), co = std::cos(double{theta});
  Camera pitched;
  pitched.pitch(theta);
  EXPECT_NEAR(pitched.viewX(), 0.0, 1e-7);
  EXPECT_NEAR(pitched.viewY(), -s, 1e-7);
  EXPECT_NEAR(pitched.viewZ(), -co, 1e-7);
  expectBits(pitched.u, 1, 0, 0);

  Camera yawed;
  yawed.yaw(theta);
  EXPECT_NEAR(yawed.viewX(), s, 1e-7);
  EXPECT_NEAR(yawed.viewY(), 0.0, 1e-7);
  EXPECT_NEAR(yawed.viewZ(), -co, 1e-7);
  expectBits(yawed.v, 0, 1, 0);
  expectBits(yawed.eye, 0, 0, 2.5f);
}

}  // namespace
