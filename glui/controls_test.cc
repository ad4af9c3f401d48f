#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

#include "glui/glui.h"
#include "glui/user_actions.h"
#include "glui/window_seams.h"

namespace {

using glui_detail::Commit;
using glui_detail::UserActions;

constexpr int kMain = 1;
constexpr int kPanel = 2;

// Records the window calls in order; the panel window starts current, as it
// is while GLUT delivers a panel event.
class FakeWindowOps : public glui_detail::WindowOps {
 public:
  int current() override { return current_; }
  void setCurrent(int window) override {
    current_ = window;
    log.push_back("set " + std::to_string(window));
  }
  void postRedisplay(int window) override { log.push_back("post " + std::to_string(window)); }

  std::vector<std::string> log;
  int current_ = kPanel;
};

FakeWindowOps* ops = nullptr;
int liveInt = 0;
float liveFloat = 0.0f;

// Logs the id, what the live variables hold and which window is current.
void controlCallback(int id) {
  ops->log.push_back("cb " + std::to_string(id) + " int=" + std::to_string(liveInt) +
                     " float=" + std::to_string(static_cast<int>(liveFloat)) +
                     " current=" + std::to_string(ops->current()));
}

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() : glui("test", &fake) {
    ops = &fake;
    liveInt = 0;
    liveFloat = 0.0f;
  }

  std::vector<std::string> takeLog() {
    std::vector<std::string> l;
    l.swap(fake.log);
    return l;
  }

  FakeWindowOps fake;
  GLUI glui;
};

using Log = std::vector<std::string>;

TEST_F(ControlsTest, UserChangeWritesLivePostsMainThenCallsBackWithMainCurrent) {
  glui.set_main_gfx_window(kMain);
  GLUI_RadioGroup* g = glui.add_radiogroup(&liveInt, 6, controlCallback);
  glui.add_radiobutton_to_group(g, "a");
  glui.add_radiobutton_to_group(g, "b");
  UserActions::select(*g, 1);
  EXPECT_EQ(takeLog(), (Log{"post 1", "set 1", "cb 6 int=1 float=0 current=1", "set 2"}));

  // A button has no live variable: its callback alone decides on a redisplay.
  GLUI_Button* b = glui.add_button_to_panel(nullptr, "Reset", 3, controlCallback);
  takeLog();
  UserActions::press(*b);
  EXPECT_EQ(takeLog(), (Log{"set 1", "cb 3 int=1 float=0 current=1", "set 2"}));
}

TEST_F(ControlsTest, RadioGroupFiresOnlyWhenTheSelectionChanges) {
  liveInt = 2;
  GLUI_RadioGroup* g = glui.add_radiogroup_to_panel(nullptr, &liveInt, 2, controlCallback);
  EXPECT_EQ(g->get_int_val(), 2);  // starts from its live variable
  GLUI_RadioButton* x = glui.add_radiobutton_to_group(g, "X");
  glui.add_radiobutton_to_group(g, "Y");
  GLUI_RadioButton* z = glui.add_radiobutton_to_group(g, "Z");
  EXPECT_EQ(z->get_int_val(), 1);
  UserActions::select(*g, 2);
  EXPECT_TRUE(takeLog().empty());
  x->set_int_val(1);  // the program's change: no callback
  EXPECT_EQ(liveInt, 0);
  EXPECT_TRUE(takeLog().empty());
  UserActions::select(*g, 1);
  EXPECT_EQ(takeLog(), (Log{"cb 2 int=1 float=0 current=2"}));
  EXPECT_EQ(glui.add_radiobutton_to_group(nullptr, "none"), nullptr);
}

// Without a main graphics window the current window is left alone.
TEST_F(ControlsTest, CheckboxFiresOnEveryToggle) {
  liveInt = 5;
  GLUI_Checkbox* box = glui.add_checkbox("c", &liveInt, 7, controlCallback);
  EXPECT_EQ(box->get_int_val(), 5);
  UserActions::toggle(*box);
  UserActions::toggle(*box);
  EXPECT_EQ(takeLog(), (Log{"cb 7 int=0 float=0 current=2", "cb 7 int=1 float=0 current=2"}));
}

// set_int_limits on a float spinner sets float limits at those whole numbers.
TEST_F(ControlsTest, ProgramChangesRedisplayWithoutCallbackAndIntLimitsWrapAFloat) {
  glui.set_main_gfx_window(kMain);
  GLUI_Spinner* s = glui.add_spinner("s", GLUI_SPINNER_FLOAT, &liveFloat, 8, controlCallback);
  s->set_int_limits(10, 180, GLUI_LIMIT_WRAP);  // 0 wraps to 180
  EXPECT_EQ(liveFloat, 180.0f);
  s->set_float_val(179.5f);
  EXPECT_EQ(liveFloat, 179.5f);
  EXPECT_EQ(takeLog(), (Log{"post 1", "post 1"}));
  UserActions::arrowPress(*s, +1, 0);
  EXPECT_EQ(liveFloat, 10.0f);
  UserActions::arrowRelease(*s);
  UserActions::arrowPress(*s, -1, 0);
  EXPECT_EQ(liveFloat, 180.0f);
  EXPECT_EQ(takeLog().size(), 8u);  // post, set main, callback, set back: twice
}

TEST_F(ControlsTest, RejectedTextLeavesValueAndFieldAndFiresNothing) {
  GLUI_Spinner* s = glui.add_spinner("s", GLUI_SPINNER_FLOAT, &liveFloat, 9, controlCallback);
  s->set_int_limits(10, 180, GLUI_LIMIT_WRAP);
  s->set_float_val(60.0f);
  // Longer than the field takes: refused whole, not cut to "0...04".
  const std::string tooLong = std::string(62, '0') + "45";
  for (const std::string& junk : {std::string("abc"), std::string("nan"), tooLong,
                                 "90" + std::string(62, ' ') + "junk"}) {
    EXPECT_EQ(UserActions::commitText(*s, junk), Commit::Rejected) << junk;
  }
  EXPECT_EQ(liveFloat, 60.0f);
  EXPECT_EQ(UserActions::fieldText(*s), "60.00");
  EXPECT_TRUE(takeLog().empty());
  EXPECT_EQ(UserActions::commitText(*s, "190"), Commit::Changed);
  EXPECT_EQ(takeLog(), (Log{"cb 9 int=0 float=10 current=2"}));
}

// Every number, however large or small, meets the limits like any other.
TEST_F(ControlsTest, NumbersOfAnySizeWrapAtTheLimits) {
  GLUI_Spinner* f = glui.add_spinner("f", GLUI_SPINNER_FLOAT, &liveFloat, 1, controlCallback);
  f->set_int_limits(10, 180, GLUI_LIMIT_WRAP);
  GLUI_Spinner* i = glui.add_spinner("i", GLUI_SPINNER_INT, &liveInt, 2, controlCallback);
  i->set_int_limits(1, 8, GLUI_LIMIT_WRAP);
  const struct {
    GLUI_Spinner* spinner;
    std::string text;
    float value;
  } cases[] = {
      {f, "0", 180}, {f, "1e-40", 180}, {f, "1e-400", 180}, {f, "100", 100},
      {f, "1e38", 10}, {f, "100", 100}, {f, "1e39", 10}, {f, "100", 100}, {f, "-1e999", 180},
      {f, std::string(60, '0') + "100", 100}, {i, "2147483647", 1}, {i, "4", 4},
      {i, "2147483648", 1}, {i, std::string(63, '0'), 8}, {i, "1e999", 1}, {i, "-1e-400", 8},
  };
  for (const auto& c : cases) {
    UserActions::commitText(*c.spinner, c.text);
    EXPECT_EQ(c.spinner == f ? liveFloat : float(liveInt), c.value) << c.text;
  }
}

TEST_F(ControlsTest, HeldArrowFiresOnEachChangeUntilDragOrRelease) {
  GLUI_Spinner* s = glui.add_spinner("s", GLUI_SPINNER_INT, &liveInt, 3, controlCallback);
  s->set_int_limits(1, 20);            // clamp by default: 0 becomes 1
  UserActions::arrowPress(*s, +1, 100);  // steps to 2
  EXPECT_TRUE(UserActions::arrowRepeat(*s));
  EXPECT_EQ(liveInt, 3);
  UserActions::arrowMove(*s, 60);  // 40 pixels up: 10 more
  EXPECT_EQ(liveInt, 13);
  EXPECT_FALSE(UserActions::arrowRepeat(*s));
  UserActions::arrowMove(*s, 0);         // 15 more, clamped at 20
  UserActions::arrowMove(*s, -10);       // further up at the limit: no change
  UserActions::arrowRelease(*s);
  UserActions::arrowMove(*s, 200);
  EXPECT_EQ(liveInt, 20);
  EXPECT_EQ(takeLog().size(), 4u);
}

TEST_F(ControlsTest, SyncTakesOverApplicationWritesWithoutCallbackOrLimits) {
  GLUI_Spinner* s = glui.add_spinner("s", GLUI_SPINNER_INT, &liveInt, 3, controlCallback);
  s->set_int_limits(1, 8, GLUI_LIMIT_WRAP);
  EXPECT_FALSE(UserActions::syncLive(glui));
  liveInt = 42;
  EXPECT_TRUE(UserActions::syncLive(glui));
  EXPECT_EQ(s->get_int_val(), 42);
  EXPECT_FALSE(UserActions::syncLive(glui));
  UserActions::arrowPress(*s, +1, 0);  // 43 is above 8: wraps to 1
  EXPECT_EQ(liveInt, 1);
  EXPECT_EQ(takeLog(), (Log{"cb 3 int=1 float=0 current=2"}));
}

GLUI_Control* seenControl = nullptr;
void controlObjectCallback(GLUI_Control* control) { seenControl = control; }

TEST_F(ControlsTest, ButtonCallsBackWithItsIdOrItself) {
  GLUI_Button* b = glui.add_button("b", 3, controlCallback);
  GLUI_Button* c = glui.add_button("c", 4, controlObjectCallback);
  UserActions::press(*b);
  UserActions::press(*c);
  EXPECT_EQ(takeLog(), (Log{"cb 3 int=0 float=0 current=2"}));
  EXPECT_EQ(seenControl, c);
}

TEST_F(ControlsTest, DefaultArguments) {
  GLUI_Panel* p = glui.add_panel("p");
  EXPECT_EQ(p->get_type(), GLUI_PANEL_EMBOSSED);
  GLUI_Spinner* s = glui.add_spinner_to_panel(p, "s");
  EXPECT_EQ(s->get_id(), -1);
  s->set_float_val(2.9f);  // an int spinner
  EXPECT_EQ(s->get_int_val(), 2);
  GLUI_Panel* q = glui.add_panel_to_panel(p, "q");
  EXPECT_EQ(q->get_type(), GLUI_PANEL_EMBOSSED);
  UserActions::press(*glui.add_button_to_panel(q, "b"));  // no callback: nothing happens
  EXPECT_TRUE(takeLog().empty());
}

TEST(GluiCbTest, StandardExitAndPlainFunctionsAreCallbacks) {
  static_assert(std::is_convertible_v<decltype(&exit), GLUI_CB>);
  EXPECT_TRUE(static_cast<bool>(GLUI_CB(exit)));
  EXPECT_TRUE(static_cast<bool>(GLUI_CB((GLUI_Update_CB)exit)));
  EXPECT_FALSE(static_cast<bool>(GLUI_CB()));
}

}  // namespace
