#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "glui/glui.h"
#include "glui/user_actions.h"
#include "glui/window_seams.h"

namespace {

using namespace glui_detail;
using Log = std::vector<std::string>;

// Records the window calls in order; the panel window (2) starts current, as it is while GLUT
// delivers a panel event.
struct FakeWindowOps : glui_detail::WindowOps {
  int current() override { return current_; }
  void setCurrent(int w) override { log.push_back("set " + std::to_string(current_ = w)); }
  void postRedisplay(int window) override { log.push_back("post " + std::to_string(window)); }
  Log take() { return std::exchange(log, {}); }
  Log log;
  int current_ = 2;
};

FakeWindowOps* ops = nullptr;
int liveInt = 0;
float liveFloat = 0;

// Logs the id, what the live variables hold and which window is current.
void controlCallback(int id) {
  ops->log.push_back("cb " + std::to_string(id) + " int=" + std::to_string(liveInt) + " float=" +
                     std::to_string(int(liveFloat)) + " current=" + std::to_string(ops->current()));
}

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() : glui("test", &fake) {
    ops = &fake;
    liveInt = 0;
    liveFloat = 0;
  }
  FakeWindowOps fake;
  GLUI glui;
};

// A user's change writes the live variable, redisplays the main window (1), then calls back with
// the main window current and restores the panel. That real clicks and keys reach these rules, the
// viewer's end-to-end tests check on its own panel.
TEST_F(ControlsTest, UserChangeCallsBackWithTheMainWindowCurrent) {
  glui.set_main_gfx_window(1);
  GLUI_RadioGroup* g = glui.add_radiogroup(&liveInt, 6, controlCallback);
  glui.add_radiobutton_to_group(g, "a");
  glui.add_radiobutton_to_group(g, "b");
  UserActions::select(*g, 1);
  EXPECT_EQ(fake.take(), (Log{"post 1", "set 1", "cb 6 int=1 float=0 current=1", "set 2"}));
}

// A click on the button already selected changes nothing, so it calls nothing and redraws nothing.
TEST_F(ControlsTest, ReselectingTheSelectedButtonIsNoChange) {
  glui.set_main_gfx_window(1);
  GLUI_RadioGroup* g = glui.add_radiogroup(&liveInt, 6, controlCallback);
  glui.add_radiobutton_to_group(g, "a");
  UserActions::select(*g, 0);
  EXPECT_TRUE(fake.take().empty());
}

// A button has no live variable: its callback alone decides on a redisplay.
TEST_F(ControlsTest, ButtonCallsBackWithoutARedisplay) {
  glui.set_main_gfx_window(1);
  GLUI_Button* b = glui.add_button_to_panel(nullptr, "Reset", 3, controlCallback);
  fake.take();
  UserActions::press(*b);
  EXPECT_EQ(fake.take(), (Log{"set 1", "cb 3 int=0 float=0 current=1", "set 2"}));
}

// A float spinner from 10 to 180 that wraps, as the field-of-view spinners are.
class FloatSpinnerTest : public ControlsTest {
 protected:
  FloatSpinnerTest() {
    glui.set_main_gfx_window(1);
    s = glui.add_spinner("s", GLUI_SPINNER_FLOAT, &liveFloat, 8, controlCallback);
    s->set_int_limits(10, 180, GLUI_LIMIT_WRAP);
  }
  GLUI_Spinner* s;
};

// set_int_limits on a float spinner sets float limits at those whole numbers: 0 wraps to 180.
TEST_F(FloatSpinnerTest, IntLimitsWrapItsValue) { EXPECT_EQ(liveFloat, 180.0f); }

TEST_F(FloatSpinnerTest, ProgramChangesRedisplayWithoutACallback) {
  fake.take();
  s->set_float_val(179.5f);
  EXPECT_EQ(fake.take(), (Log{"post 1"}));
}

TEST_F(FloatSpinnerTest, ArrowsWrapPastEitherLimitAndCallBackEachTime) {
  s->set_float_val(179.5f);
  fake.take();
  UserActions::arrowPress(*s, +1, 0);
  EXPECT_EQ(liveFloat, 10.0f);
  UserActions::arrowRelease(*s);
  UserActions::arrowPress(*s, -1, 0);
  UserActions::arrowRelease(*s);
  EXPECT_EQ(liveFloat, 180.0f);
  EXPECT_EQ(fake.take().size(), 8u);  // post, set main, callback, set back: twice
}

// Text longer than the field takes is refused whole, never cut to "0...04".
TEST_F(FloatSpinnerTest, RejectedTextChangesNeitherTheValueNorTheField) {
  s->set_float_val(60.0f);
  fake.take();
  for (const std::string& junk : {std::string("abc"), std::string("nan"),
                                  std::string(62, '0') + "45", "90" + std::string(62, ' ') + "x"})
    EXPECT_EQ(UserActions::commitText(*s, junk), Commit::Rejected) << junk;
  EXPECT_EQ(UserActions::fieldText(*s), "60.00");
  EXPECT_TRUE(fake.take().empty());
}

// The longest text the field takes, 63 characters.
TEST_F(FloatSpinnerTest, TypedNumberWrapsAndCallsBack) {
  s->set_float_val(60.0f);
  fake.take();
  EXPECT_EQ(UserActions::commitText(*s, std::string(60, '0') + "190"), Commit::Changed);
  EXPECT_EQ(fake.take(), (Log{"post 1", "set 1", "cb 8 int=0 float=10 current=1", "set 2"}));
}

}  // namespace
