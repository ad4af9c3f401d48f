#ifndef GLUI_WINDOW_SEAMS_H_
#define GLUI_WINDOW_SEAMS_H_

// The two seams between the controls and the window system, so that the
// controls' rules (live variable, redisplay, callback with the main window
// current) run and are tested without a window.

namespace glui_detail {

// The GLUT window calls the controls make. Window ids are GLUT ids; 0 means
// "no window".
class WindowOps {
 public:
  virtual ~WindowOps() = default;
  virtual int current() = 0;
  virtual void setCurrent(int window) = 0;
  virtual void postRedisplay(int window) = 0;
};

// The real one, on freeglut (in the glue file, panel_window.cc).
WindowOps& glutWindowOps();

// The window that shows a GLUI's controls.
class PanelHost {
 public:
  virtual ~PanelHost() = default;
  // A control was added: the window refits.
  virtual void controlsChanged() = 0;
  // A value changed: the window redraws.
  virtual void valuesChanged() = 0;
  // set_main_gfx_window was called: an automatically placed window moves
  // beside the new main window.
  virtual void mainWindowChanged(int window) = 0;
};

}  // namespace glui_detail

#endif  // GLUI_WINDOW_SEAMS_H_
