#ifndef GLUI_INTERNALS_H_
#define GLUI_INTERNALS_H_

// The toolkit's own access to the controls: their structure for the panel
// window, and the user's actions, which the panel window reports and the unit
// tests drive directly. Not for application code.

#include <string>
#include <vector>

#include "glui/glui.h"
#include "glui/spinner_model.h"

namespace glui_detail {

class PanelHost;

struct Internals {
  static GLUI_Panel& top(GLUI& glui);
  static const std::vector<GLUI_Control*>& children(const GLUI_Panel& panel);
  static const std::vector<GLUI_RadioButton*>& buttons(const GLUI_RadioGroup& group);
  static void attach(GLUI& glui, PanelHost* host, int windowId);
  // Takes over values the application wrote into live variables; true when
  // any control's value changed.
  static bool syncLive(GLUI& glui);

  static void select(GLUI_RadioGroup& group, int index);
  static void toggle(GLUI_Checkbox& box);
  static void press(GLUI_Button& button);

  // Spinner arrows: direction +1 up, -1 down; y in window pixels.
  static void arrowPress(GLUI_Spinner& spinner, int direction, int y);
  static void arrowMove(GLUI_Spinner& spinner, int y);
  // One repeat step of a held arrow; returns whether to keep repeating.
  static bool arrowRepeat(GLUI_Spinner& spinner);
  static void arrowRelease(GLUI_Spinner& spinner);

  static Commit commitText(GLUI_Spinner& spinner, const std::string& text);
  // The text the edit field shows while the user is not editing it.
  static std::string fieldText(const GLUI_Spinner& spinner);
};

}  // namespace glui_detail

#endif  // GLUI_INTERNALS_H_
