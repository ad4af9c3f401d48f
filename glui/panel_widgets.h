#ifndef GLUI_PANEL_WIDGETS_H_
#define GLUI_PANEL_WIDGETS_H_

// Glue: draws a GLUI's controls with Dear ImGui at their layout rectangles,
// inside an ImGui frame, and reports what the user did as UserActions. It
// changes no control value itself; the panel window applies the actions after
// the frame (through glui/user_actions.h), so callbacks never run inside a frame.

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "glui/glui.h"
#include "glui/geometry.h"

namespace glui_detail {

struct UserAction {
  enum class Kind { Select, Toggle, Press, ArrowPress, ArrowMove, ArrowRelease, Commit };
  UserAction(Kind k, GLUI_Control* c, int v = 0, int py = 0, std::string t = std::string())
      : kind(k), control(c), value(v), y(py), text(std::move(t)) {}

  Kind kind;
  GLUI_Control* control;
  int value;         // Select: button number; ArrowPress: +1 up, -1 down
  int y;             // ArrowPress, ArrowMove: pointer y in window pixels
  std::string text;  // Commit: the edit field's text
};

class PanelWidgets {
 public:
  // Draws the whole window's items; call between NewFrame and Render.
  void draw(const LayoutItem& root, std::vector<UserAction>& actions);

 private:
  void drawItem(const LayoutItem& item, std::vector<UserAction>& actions);
  void drawSpinner(const LayoutItem& item, GLUI_Spinner& spinner, std::vector<UserAction>& actions);

  struct Field {
    // Room for one character more than a spinner takes, so that longer
    // typing reaches the spinner, which refuses it, instead of being cut.
    std::array<char, SpinnerModel::kMaxTextLength + 2> text{};
    bool editing = false;
  };
  std::map<const GLUI_Spinner*, Field> fields_;
};

}  // namespace glui_detail

#endif  // GLUI_PANEL_WIDGETS_H_
