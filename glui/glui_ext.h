#ifndef GLUI_GLUI_EXT_H_
#define GLUI_GLUI_EXT_H_

// The toolkit's second face: what the viewer needs beyond the GLUI 2 calls of
// glui.h, and the only door into glui/ besides glui.h. Everything else in
// glui/ (namespace glui_detail) is internal to it.
//
// GLUI 2 is made for a person at the mouse, in one GL context, and has none
// of the calls below:
// - Acting on controls as a user would. Its set_int_val and set_float_val
//   are the program's own changes and call no callback, so a session script
//   or a start-up option that must reach the application the way a click
//   does has no GLUI 2 call to use; nor can a control be found by its label.
// - Placing a window beside another. GLUI 2 places only its own panel
//   windows; the viewer's extra windows line up with the same rule.
// - Dear ImGui window contexts. GLUI 2 draws with GLUT's bitmap fonts and
//   has no ImGui; the viewer's own ImGui windows share the panels' set-up,
//   and must make their context current for a while without disturbing the
//   panels'.
// - Layout facts. GLUI 2 keeps where it put a control to itself; tests and
//   benchmarks click controls by where the panel window put them.
//
// All calls belong on the GLUT thread, like the rest of the toolkit.

#include <string>
#include <vector>

#include "glui/geometry.h"
#include "glui/glui.h"
#include "glui/imgui_context.h"
#include "glui/spinner_model.h"

struct ImGuiContext;

namespace glui_ext {

// ---- Acting on controls as a user would.
//
// Each call takes the path a user's change takes (glui.h): the stored value,
// the live variable, a redisplay of the main graphics window, then the
// callback with that window current; and, like a user's change, calls the
// callback only on a real change.

// Clicks the radio button at index (0 is the first added) of group.
void select(GLUI_RadioGroup& group, int index);
// Clicks the check box, ticking or clearing it.
void toggle(GLUI_Checkbox& box);
// Presses and releases the button inside.
void press(GLUI_Button& button);
// Types text into the spinner's field and presses Enter. Rejected: the text
// is no number and the value stays; Unchanged: the value it gives is the one
// already held (no callback).
using glui_detail::Commit;
Commit commitText(GLUI_Spinner& spinner, const std::string& text);

// Takes over the values the application wrote into glui's live variables, as
// the panel window does before each input event; true when any control's
// value changed. Unlike GLUI::sync_live it asks for no redraw of the panel.
bool takeOverLiveValues(GLUI& glui);

// A control of glui found by its label: a radio button by its own label, with
// its group and its index there; any other control (panel, check box,
// spinner, button) by its name. control is null when no control has it.
struct FoundControl {
  GLUI_Control* control = nullptr;
  GLUI_RadioGroup* group = nullptr;  // a radio button's group, else null
  int index = 0;                     // the radio button's index in group
};
FoundControl findByLabel(GLUI& glui, const char* label);

// ---- Placing a window beside another.
//
// Rectangles and points in pixels, x right and y down from the top-left.
using glui_detail::Point;
using glui_detail::Rect;
// The position of a window placed right of the one whose client area is
// window, a small gap apart, tops aligned; border is the window frame's side
// width (glutGet(GLUT_WINDOW_BORDER_WIDTH), 0 without a window manager).
// Panel windows placed automatically sit where this says.
Point placeBeside(const Rect& window, int border);

// ---- Dear ImGui windows of the application's own.
//
// createWindowContext, destroyWindowContext, renderWindowFrame and
// ContextScope (making a context current for a scope) are the panels' own
// set-up, documented in glui/imgui_context.h.
using glui_detail::ContextScope;
using glui_detail::createWindowContext;
using glui_detail::destroyWindowContext;
using glui_detail::renderWindowFrame;

// ---- Layout facts.
//
// Where the panel window of GLUT window id panelWindow put each control, in
// that window's pixels, in the order they are drawn (a panel before what it
// holds, a radio group as one entry per button). Empty when panelWindow is
// no panel window of this toolkit.
enum class ControlKind { Panel, Radio, Checkbox, Spinner, Button };
struct ControlPlace {
  std::string label;
  ControlKind kind = ControlKind::Panel;
  Rect rect;  // a panel's frame, or the control's row
  // A spinner's edit field and arrows; empty for other kinds.
  Rect field;
  Rect up;
  Rect down;
};
std::vector<ControlPlace> controlPlaces(int panelWindow);

}  // namespace glui_ext

#endif  // GLUI_GLUI_EXT_H_
