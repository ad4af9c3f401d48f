#ifndef GLUI_USER_ACTIONS_H_
#define GLUI_USER_ACTIONS_H_

// What a user does to the controls, as the toolkit's one entry point for it:
// the panel window turns mouse and keyboard events into these calls, and the
// unit tests (and scripted sessions) make them directly. Each call takes the
// same path as a real action: stored value, live variable, redisplay of the
// main graphics window, callback with that window current. Also the controls'
// structure, which the panel window lays out.

#include <string>
#include <vector>

#include "glui/glui.h"
#include "glui/spinner_model.h"

namespace glui_detail {

class PanelHost;

struct UserActions {
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

#endif  // GLUI_USER_ACTIONS_H_
