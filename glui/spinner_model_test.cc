#include "glui/spinner_model.h"

#include <gtest/gtest.h>

namespace glui_detail {
namespace {

TEST(SpinnerModelTest, IntSpinnerTruncates) {
  SpinnerModel i(SpinnerKind::Int);
  i.set(-3.7);
  EXPECT_EQ(i.intValue(), -3);
}

// 0.25 per pixel, keeping the fraction until a whole step.
TEST(SpinnerModelTest, IntSpinnerDragsAQuarterStepAPixel) {
  SpinnerModel d(SpinnerKind::Int);
  EXPECT_FALSE(d.drag(1));
  EXPECT_FALSE(d.drag(1));
  EXPECT_FALSE(d.drag(1));
  EXPECT_TRUE(d.drag(1));
  EXPECT_TRUE(d.drag(-8));
  EXPECT_EQ(d.intValue(), -1);
}

TEST(SpinnerModelTest, FloatSpinnerStepsAndDragsByTheSpeedItself) {
  SpinnerModel f(SpinnerKind::Float);
  f.drag(2);
  f.setSpeed(2.0f);
  f.drag(-2);
  EXPECT_EQ(f.floatValue(), -0.5f);
  f.step(+1);
  EXPECT_EQ(f.floatValue(), 1.5f);
}

// Text that shows the value unedited ("60.37" for 60.3712) does not round it.
TEST(SpinnerModelTest, CommitTextChangesOnlyWhatItShouldChange) {
  SpinnerModel m(SpinnerKind::Float);
  m.setLimits(LimitKind::Clamp, 0, 100);
  m.set(60.3712f);
  EXPECT_EQ(m.commitText("60.37"), Commit::Unchanged);
  EXPECT_EQ(m.commitText("abc"), Commit::Rejected);
  EXPECT_EQ(m.floatValue(), 60.3712f);
  EXPECT_EQ(m.commitText("150"), Commit::Changed);
  EXPECT_EQ(m.floatValue(), 100.0f);
  EXPECT_EQ(m.commitText("1000"), Commit::Unchanged);  // clamps to the same 100
}

TEST(SpinnerModelTest, IntSpinnerTakesOnlyWholeNumbers) {
  SpinnerModel i(SpinnerKind::Int);
  EXPECT_EQ(i.commitText("3.7"), Commit::Rejected);
  EXPECT_EQ(i.commitText(" 7 "), Commit::Changed);
  EXPECT_EQ(i.text(), "7");
}

// An arrow held repeats until the pointer moves past the threshold, then drags counting from the
// press point.
TEST(ArrowGestureTest, RepeatsThenDragsFromThePressPoint) {
  ArrowGesture g;
  g.press(+1, 100);
  EXPECT_EQ(g.move(98), 0);  // under the threshold: still repeating
  EXPECT_TRUE(g.repeating());
  EXPECT_EQ(g.move(97), 3);  // counted from the press point
  EXPECT_TRUE(g.dragging());
  EXPECT_EQ(g.move(107), -10);
  g.release();
  EXPECT_FALSE(g.held());
  EXPECT_EQ(g.move(50), 0);
}

}  // namespace
}  // namespace glui_detail
