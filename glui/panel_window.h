#ifndef GLUI_PANEL_WINDOW_H_
#define GLUI_PANEL_WINDOW_H_

// Glue: the top-level GLUT window of one GLUI, served with Dear ImGui.
//
// Does: opens and places the window (beside the main window when no position
// is given), keeps it the size of its layout, registers this window's GLUT
// callbacks (and no other window's), runs one ImGui frame per GLUT input event
// so that a press and its release arriving together are both seen, draws on
// display only, and runs the arrow-repeat timer while an arrow is held.
//
// Does not: decide values, limits or when callbacks fire (the controls do),
// install an idle callback, or read or write files (no imgui.ini, no log).

#include <vector>

#include "glui/glui.h"
#include "glui/geometry.h"
#include "glui/panel_widgets.h"
#include "glui/window_seams.h"

struct ImGuiContext;

namespace glui_detail {

class PanelWindow : public PanelHost {
 public:
  static constexpr int kRepeatDelayMs = 400;
  static constexpr int kRepeatIntervalMs = 80;

  // x or y negative: placed beside the current window. The new window is
  // current on return.
  static PanelWindow* open(GLUI& glui, const char* title, int x, int y);

  void controlsChanged() override;
  void valuesChanged() override;
  void mainWindowChanged(int window) override;

  // GLUT callback bodies.
  void display();
  void reshape(int w, int h);
  template <typename Apply>
  void inputEvent(Apply apply, bool hoverOnly = false);
  // The pointer entered or left the window.
  void pointerCrossed(bool left);

  static PanelWindow* ofWindow(int window);
  // The layout the window draws and takes clicks by (tests map it to labels).
  const LayoutItem& layout() const { return layout_; }
  static void repeatTimer(int generation);

 private:
  PanelWindow(GLUI& glui, bool autoPlace);
  void createContext();
  void relayout();
  void moveBeside(int mainWindow);
  void frame(bool render);
  bool applyActions();
  void apply(const UserAction& action);

  GLUI& glui_;
  bool autoPlace_;
  int window_ = 0;
  ImGuiContext* context_ = nullptr;
  LayoutItem layout_;
  Size size_;
  PanelWidgets widgets_;
  std::vector<UserAction> actions_;
  bool endEdit_ = false;  // end the active text edit in the next frame
  bool drawn_ = false;    // a first frame was drawn
};

// GLUT's idle callback, for GLUI_Master.set_glutIdleFunc.
void setGlutIdleFunc(void (*callback)());

}  // namespace glui_detail

#endif  // GLUI_PANEL_WINDOW_H_
