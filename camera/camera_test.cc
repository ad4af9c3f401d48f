#include "camera/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "tests/support/bits.h"
#include "tests/support/capture.h"

namespace {

using namespace testsupport;

Camera framed(Vector3 eye, Vector3 u, Vector3 v, Vector3 n) {
  Camera c;
  c.eye = eye;
  c.setAxes(u, v, n);
  return c;
}

// What the call wrote to standard error, the only stream a camera may use.
std::string errOf(const std::function<void()>& call) {
  const auto printed = capture(call);
  EXPECT_EQ(printed.out, "");
  return printed.err;
}

const Vector3 kOrigin(0, 0, 0);
const Vector3 kStart(0, 0, 2.5f);
const Vector3 kX(1, 0, 0);
const Vector3 kY(0, 1, 0);
const Vector3 kZ(0, 0, 1);

TEST(CameraTest, ResetRestoresTheEyeButNotTheFieldsOfView) {
  Camera c;
  c.setHfov(90);
  c.translate(1, 2, 3, 0, kOrigin);
  c.roll(0.3f);
  c.reset();
  EXPECT_TRUE(sameBits(framed(kStart, kX, kY, kZ), c));
  EXPECT_EQ(c.hfov, 90.0f);
}

// +pitch dips the view (-n), +yaw swings it right, +roll turns u towards v. The float cosine of the
// float nearest pi/2 is not 0.
TEST(CameraTest, TurnsTurnTheirWayBitForBit) {
  const float cs = 0x1.fd713p-1f;      // cos 0.1f
  const float sn = 0x1.98eaeep-4f;     // sin 0.1f
  const float tiny = 0x1.777a5cp-25f;  // -cos of the float nearest pi/2
  const struct {
    void (Camera::*turn)(float);
    float angle;
    Camera want;
  } cases[] = {{&Camera::pitch, 0.1f, framed(kStart, kX, {0, cs, -sn}, {0, sn, cs})},
               {&Camera::yaw, 0.1f, framed(kStart, {cs, 0, sn}, kY, {-sn, 0, cs})},
               {&Camera::roll, static_cast<float>(M_PI / 2),
                framed(kStart, {-tiny, 1, 0}, {-1, -tiny, -0.0f}, kZ)}};
  for (const auto& c : cases) {
    Camera turned;
    (turned.*c.turn)(c.angle);
    EXPECT_TRUE(sameBits(c.want, turned)) << c.angle;
  }
}

struct LookAtCase {
  Camera from, to;
  const char* err;
};

void expectLookAtOrigin(LookAtCase c) {
  EXPECT_EQ(errOf([&] { c.from.lookAt(kOrigin); }), c.err);
  EXPECT_TRUE(sameBits(c.to, c.from));
}

const Camera kUpsideDown = framed(kStart, {-1, 0, 0}, {0, -1, 0}, kZ);

// The new up keeps the old up's side ("flipped" when it must turn over to do so), even when every
// product with the old up is zero.
TEST(CameraTest, LookAtKeepsTheUpSide) {
  expectLookAtOrigin({kUpsideDown, kUpsideDown, "flipped\n"});
  expectLookAtOrigin({framed(kStart, kX, kZ, {0, -1, 0}), kUpsideDown, "flipped\n"});
}

// With no direction to look in (eye on the target), or none for the new up (looking straight down
// the old u), lookAt leaves the camera as it was.
TEST(CameraTest, LookAtLeavesAnAimlessCameraAlone) {
  const Camera onTarget = framed(kOrigin, kX, kY, kZ);
  const Camera downU = framed({0, 2, 0}, kY, {-1, 0, 0}, kZ);
  expectLookAtOrigin({onTarget, onTarget, ""});
  expectLookAtOrigin({downU, downU, ""});
}

// The old right axis supplies the new up only when the new n is within acos(0.97) of the vertical,
// tested in double: an n.y of exactly 0.97f (just above 0.97) takes it, the float below takes the
// world's up, which leaves the new u horizontal. The camera is rolled so that the two differ.
TEST(CameraTest, LookAtTakesTheOldRightAxisOnlyAboveTheNearVerticalThreshold) {
  const struct {
    float eyeY;
    float nY;
    bool horizontalU;
  } cases[] = {{0x1.feb9d2p+1f, 0.97f, false}, {0x1.feb9ap+1f, std::nextafter(0.97f, 0.0f), true}};
  for (const auto& c : cases) {
    Camera camera = framed({0, c.eyeY, 1}, {0.8f, 0.6f, 0}, {-0.6f, 0.8f, 0}, kZ);
    EXPECT_EQ(errOf([&] { camera.lookAt(kOrigin); }), "");
    EXPECT_TRUE(sameBits(c.nY, camera.n.y));
    EXPECT_EQ(camera.u.y == 0.0f, c.horizontalU) << c.nY;
  }
}

}  // namespace
