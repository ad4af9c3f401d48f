#include "glui/spinner_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace glui_detail {
namespace {

TEST(SpinnerModelTest, IntTruncatesAndStepsByTheRoundedSpeedFloatStepsBySpeed) {
  SpinnerModel i(SpinnerKind::Int);
  i.set(-3.7);
  EXPECT_EQ(i.intValue(), -3);
  i.set(0);
  i.setSpeed(2.6f);
  i.step(+1);
  EXPECT_EQ(i.intValue(), 3);
  i.setSpeed(0.2f);  // still at least 1
  i.step(-1);
  EXPECT_EQ(i.intValue(), 2);
  i.setSpeed(0.0f);  // ignored
  i.step(+1);
  EXPECT_EQ(i.intValue(), 3);

  SpinnerModel f(SpinnerKind::Float);
  f.set(60);
  f.setSpeed(0.5f);
  f.step(+1);
  EXPECT_EQ(f.floatValue(), 60.5f);

  // NaN would pass every limit comparison; it leaves the value alone.
  f.setLimits(LimitKind::Wrap, 10, 180);
  EXPECT_FALSE(f.set(std::nan("")));
  EXPECT_EQ(f.floatValue(), 60.5f);
}

TEST(SpinnerModelTest, DragIsContinuousAndIntKeepsTheFractionUntilAWholeStep) {
  SpinnerModel i(SpinnerKind::Int);
  EXPECT_FALSE(i.drag(1));
  EXPECT_FALSE(i.drag(1));
  EXPECT_FALSE(i.drag(1));
  EXPECT_TRUE(i.drag(1));  // 4 pixels at 0.25 per pixel
  EXPECT_EQ(i.intValue(), 1);
  EXPECT_TRUE(i.drag(-8));
  EXPECT_EQ(i.intValue(), -1);

  SpinnerModel f(SpinnerKind::Float);
  f.drag(2);
  EXPECT_EQ(f.floatValue(), 0.5f);
  f.setSpeed(2.0f);
  f.drag(-2);
  EXPECT_EQ(f.floatValue(), -0.5f);
}

TEST(SpinnerModelTest, CommitTextRules) {
  SpinnerModel m(SpinnerKind::Float);
  m.setLimits(LimitKind::Clamp, 0, 100);
  m.set(60.3712f);
  // The field showed "60.37"; leaving it unedited must not round the value.
  EXPECT_EQ(m.commitText("60.37"), Commit::Unchanged);
  EXPECT_EQ(m.floatValue(), 60.3712f);
  EXPECT_EQ(m.commitText("abc"), Commit::Rejected);
  EXPECT_EQ(m.floatValue(), 60.3712f);
  EXPECT_EQ(m.commitText("150"), Commit::Changed);
  EXPECT_EQ(m.floatValue(), 100.0f);
  EXPECT_EQ(m.commitText("1000"), Commit::Unchanged);  // clamps to the same 100

  SpinnerModel i(SpinnerKind::Int);
  i.set(5);
  EXPECT_EQ(i.commitText("3.7"), Commit::Rejected);
  EXPECT_EQ(i.intValue(), 5);
  EXPECT_EQ(i.commitText(" 7 "), Commit::Changed);
  EXPECT_EQ(i.text(), "7");
}

TEST(ArrowGestureTest, RepeatsUntilTheThresholdThenDragsFromThePressPoint) {
  ArrowGesture g;
  g.press(+1, 100);
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.move(98), 0);  // under the threshold
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.move(97), 3);  // counted from the press point
  EXPECT_TRUE(g.dragging());
  EXPECT_EQ(g.move(107), -10);
  g.release();
  EXPECT_FALSE(g.held());
  EXPECT_EQ(g.move(50), 0);
  g.press(-1, 10);  // a new press starts over
  EXPECT_TRUE(g.repeating());
}

}  // namespace
}  // namespace glui_detail
