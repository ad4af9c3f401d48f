#include "glui/spinner_model.h"

#include <gtest/gtest.h>

namespace glui_detail {
namespace {

TEST(SpinnerModelTest, IntSpinnerTruncatesAndStepsByRoundedSpeed) {
  SpinnerModel m(SpinnerKind::Int);
  m.set(3.7);
  EXPECT_EQ(m.intValue(), 3);
  m.set(-3.7);
  EXPECT_EQ(m.intValue(), -3);
  m.set(0);
  m.setSpeed(2.6f);
  m.step(+1);
  EXPECT_EQ(m.intValue(), 3);
  m.setSpeed(0.2f);  // still at least 1
  m.step(-1);
  EXPECT_EQ(m.intValue(), 2);
  m.setSpeed(0.0f);  // ignored
  m.step(+1);
  EXPECT_EQ(m.intValue(), 3);
}

TEST(SpinnerModelTest, WrapAtBothEnds) {
  SpinnerModel m(SpinnerKind::Int);
  m.setLimits(LimitKind::Wrap, 1, 8);
  m.set(8);
  EXPECT_TRUE(m.step(+1));
  EXPECT_EQ(m.intValue(), 1);
  EXPECT_TRUE(m.step(-1));
  EXPECT_EQ(m.intValue(), 8);
}

TEST(SpinnerModelTest, StepAtAClampedLimitIsNoChange) {
  SpinnerModel m(SpinnerKind::Float);
  m.setLimits(LimitKind::Clamp, 0, 100);
  m.set(100);
  EXPECT_FALSE(m.step(+1));
  EXPECT_EQ(m.floatValue(), 100.0f);
}

TEST(SpinnerModelTest, FloatSpinnerStoresFloatsAndStepsBySpeed) {
  SpinnerModel m(SpinnerKind::Float);
  m.set(0.1);
  EXPECT_EQ(m.floatValue(), 0.1f);
  m.set(60);
  m.setSpeed(0.5f);
  m.step(+1);
  EXPECT_EQ(m.floatValue(), 60.5f);
  EXPECT_EQ(m.intValue(), 60);
}

TEST(SpinnerModelTest, NewLimitsApplyAtOnceButAdoptedValuesBypassThem) {
  SpinnerModel m(SpinnerKind::Float);
  m.adopt(200);
  EXPECT_TRUE(m.setLimits(LimitKind::Wrap, 10, 180));
  EXPECT_EQ(m.floatValue(), 10.0f);
  m.adopt(500);
  EXPECT_EQ(m.floatValue(), 500.0f);
  EXPECT_FALSE(m.setLimits(LimitKind::None, 0, 0));
}

TEST(SpinnerModelTest, IntDragKeepsTheFractionUntilAWholeStep) {
  SpinnerModel m(SpinnerKind::Int);
  EXPECT_FALSE(m.drag(1));
  EXPECT_FALSE(m.drag(1));
  EXPECT_FALSE(m.drag(1));
  EXPECT_TRUE(m.drag(1));  // 4 pixels at 0.25 per pixel
  EXPECT_EQ(m.intValue(), 1);
  EXPECT_TRUE(m.drag(-8));
  EXPECT_EQ(m.intValue(), -1);
}

TEST(SpinnerModelTest, FloatDragIsContinuousAndScaledBySpeed) {
  SpinnerModel m(SpinnerKind::Float);
  m.drag(2);
  EXPECT_EQ(m.floatValue(), 0.5f);
  m.setSpeed(2.0f);
  m.drag(-2);
  EXPECT_EQ(m.floatValue(), -0.5f);
}

TEST(SpinnerModelTest, CommitTextRules) {
  SpinnerModel m(SpinnerKind::Float);
  m.setLimits(LimitKind::Clamp, 0, 100);
  m.set(60.3712f);
  // The field showed "60.37"; leaving it unedited must not round the value.
  EXPECT_EQ(m.commitText("60.37"), Commit::Unchanged);
  EXPECT_EQ(m.floatValue(), 60.3712f);
  EXPECT_EQ(m.commitText("abc"), Commit::Rejected);
  EXPECT_EQ(m.commitText(""), Commit::Rejected);
  EXPECT_EQ(m.floatValue(), 60.3712f);
  EXPECT_EQ(m.commitText("150"), Commit::Changed);
  EXPECT_EQ(m.floatValue(), 100.0f);
  EXPECT_EQ(m.commitText("1000"), Commit::Unchanged);  // clamps to the same 100
}

TEST(SpinnerModelTest, IntCommitRejectsFractions) {
  SpinnerModel m(SpinnerKind::Int);
  m.set(5);
  EXPECT_EQ(m.commitText("3.7"), Commit::Rejected);
  EXPECT_EQ(m.intValue(), 5);
  EXPECT_EQ(m.commitText(" 7 "), Commit::Changed);
  EXPECT_EQ(m.text(), "7");
}

TEST(ArrowGestureTest, RepeatsUntilTheThresholdThenDragsFromThePressPoint) {
  ArrowGesture g;
  g.press(+1, 100);
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.move(98), 0);  // under the threshold
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.move(97), 3);  // counted from the press point
  EXPECT_TRUE(g.dragging());
  EXPECT_FALSE(g.repeating());
  EXPECT_EQ(g.move(107), -10);
  g.release();
  EXPECT_FALSE(g.held());
  EXPECT_EQ(g.move(50), 0);
}

TEST(ArrowGestureTest, ANewPressStartsOver) {
  ArrowGesture g;
  g.press(+1, 100);
  g.move(0);
  g.release();
  g.press(-1, 10);
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.direction(), -1);
}

}  // namespace
}  // namespace glui_detail
