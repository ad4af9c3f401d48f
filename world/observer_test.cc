#include "world/observer.h"
#include <gtest/gtest.h>
#include <climits>

// Half a degree per pixel; a drag to the right turns the observer left.
TEST(ObserverTest, DragTurnsHalfADegreeAPixel) {
  const Observer start = startObserver();
  EXPECT_FLOAT_EQ(orbited(start, 10, -4).azimuth, start.azimuth - 5.0f);
  EXPECT_FLOAT_EQ(orbited(start, 10, -4).elevation, start.elevation - 2.0f);
  EXPECT_NEAR(orbited(start, 720, 0).azimuth, start.azimuth, 1e-4);  // whole turns
}

TEST(ObserverTest, EachWheelStepScalesTheDistanceByNineEighths) {
  const Observer start = startObserver();
  EXPECT_FLOAT_EQ(zoomed(start, -2).distance, start.distance / (1.125f * 1.125f));
}

// The limits the manual gives: up to 85 degrees above or below the horizon, 3 to 40 units away.
TEST(ObserverTest, InputOfAnySizeStaysWithinTheLimits) {
  const Observer start = startObserver();
  const struct {
    int dx, dy, steps;
    float elevation, distance;
  } extremes[] = {
      {0, 0, 0, start.elevation, start.distance},  // no input: the start
      {INT_MAX, INT_MAX, INT_MAX, 85.0f, 40.0f},   // the largest input
      {INT_MIN, INT_MIN, INT_MIN, -85.0f, 3.0f},   // the smallest
      {720, 400, 1000, 85.0f, 40.0f},              // far past each limit
      {-360, -400, -1000, -85.0f, 3.0f},           // and the other way
  };
  for (const auto& e : extremes) {
    const Observer o = zoomed(orbited(start, e.dx, e.dy), e.steps);
    EXPECT_TRUE(o.azimuth >= -180.0f && o.azimuth < 180.0f) << e.dx;
    EXPECT_EQ(o.elevation, e.elevation) << e.dx;
    EXPECT_EQ(o.distance, e.distance) << e.dx;
    EXPECT_NEAR(observerEye(o).length(), o.distance, 1e-4);
  }
}
