#ifndef GLUI_GLUI_H_
#define GLUI_GLUI_H_

// A panel toolkit with the names, signatures and default arguments of the
// GLUI 2 user-interface library, for the subset this program uses: one or
// more top-level GLUT panel windows holding panels, radio groups, check boxes,
// spinners and buttons, drawn with Dear ImGui.
//
// Behaviour the application can rely on:
// - A control with a live variable shows the variable's value and writes it
//   when the user changes the control. Values the application writes into a
//   live variable are picked up whenever the panel window gets an event or is
//   drawn, or at once through GLUI::sync_live / GLUI_Master.sync_live_all.
// - After a user change: the live variable is written and a redisplay of the
//   main graphics window (set_main_gfx_window) is posted (controls without a
//   live variable, such as buttons, post none), then the callback
//   runs with the control's id while the main graphics window is GLUT's
//   current window; the previously current window is current again after.
// - Callbacks fire only on a real change: a radio group when its selection
//   changes, a check box on every toggle, a spinner on every change of value
//   (arrow clicks, held arrows, drags from an arrow, typed text), a button
//   when pressed and released inside.
// - set_int_val / set_float_val (the program's own changes) write the live
//   variable and redraw, but call no callback.
// - Nothing runs while nothing happens: no idle callback, and a GLUT timer
//   only while a spinner arrow is held. No files are read or written.
//
// Controls are owned by their GLUI, and GLUIs by GLUI_Master, for the life of
// the process. All calls belong on the GLUT thread.
//
// Left out of GLUI 2: subwindows (create_glui_subwindow; the flags of
// create_glui are ignored), rollouts, columns and separators, static text,
// edit texts, list boxes, scroll bars, rotation and translation controls,
// file browsers and text areas; the GLUT callback wrappers of GLUI_Master
// (set_glutDisplayFunc, set_glutReshapeFunc, set_glutKeyboardFunc, ...);
// enable/disable, hide/show and close of controls and windows; fonts, alignment
// and spacing settings; live variables of text type.

#include <memory>
#include <string>
#include <vector>

#include "glui/live_var.h"
#include "glui/spinner_model.h"

namespace glui_detail {
class WindowOps;
class PanelHost;
struct UserActions;
}  // namespace glui_detail

constexpr int GLUI_PANEL_NONE = 0;
constexpr int GLUI_PANEL_EMBOSSED = 1;
constexpr int GLUI_PANEL_RAISED = 2;

constexpr int GLUI_SPINNER_INT = 2;
constexpr int GLUI_SPINNER_FLOAT = 3;

constexpr int GLUI_LIMIT_NONE = 0;
constexpr int GLUI_LIMIT_CLAMP = 1;
constexpr int GLUI_LIMIT_WRAP = 2;

class GLUI;
class GLUI_Control;
class GLUI_Panel;
class GLUI_RadioGroup;
class GLUI_RadioButton;
class GLUI_Checkbox;
class GLUI_Spinner;
class GLUI_Button;

typedef void (*GLUI_Update_CB)(int id);
typedef void (*GLUI_Control_CB)(GLUI_Control* control);

// A control callback: a function of the control's id (the standard exit
// fits) or of the control itself. Empty by default.
class GLUI_CB {
 public:
  GLUI_CB() = default;
  GLUI_CB(GLUI_Update_CB cb) : idCb_(cb) {}
  GLUI_CB(GLUI_Control_CB cb) : controlCb_(cb) {}

  explicit operator bool() const { return idCb_ || controlCb_; }
  void operator()(GLUI_Control* control) const;

 private:
  GLUI_Update_CB idCb_ = nullptr;
  GLUI_Control_CB controlCb_ = nullptr;
};

class GLUI_Control {
 public:
  GLUI_Control(const GLUI_Control&) = delete;
  GLUI_Control& operator=(const GLUI_Control&) = delete;
  virtual ~GLUI_Control() = default;

  // The program's own change of the value: stored (through a spinner's
  // limits), written to the live variable, redrawn; no callback.
  virtual void set_int_val(int value);
  virtual void set_float_val(float value);
  virtual int get_int_val() const { return 0; }
  virtual float get_float_val() const { return 0.0f; }

  int get_id() const { return id_; }
  void set_id(int id) { id_ = id; }
  const char* get_name() const { return name_.c_str(); }

 protected:
  GLUI_Control(GLUI& glui, const char* name, int id, GLUI_CB callback,
               glui_detail::LiveVar live = glui_detail::LiveVar());

  // The live variable's view of the value, and taking it over from there.
  virtual double liveValue() const { return 0.0; }
  virtual void adoptLive(double) {}

  // Derived constructors call this: a control starts from its live variable.
  void takeInitialLive();
  void programChanged();
  void userChanged();

  GLUI& glui_;

 private:
  friend struct glui_detail::UserActions;
  bool syncLive();

  std::string name_;
  int id_;
  GLUI_CB callback_;
  glui_detail::LiveVar live_;
};

namespace glui_detail {

// A control whose value is one int, kept in an int live variable if it has
// one: the common part of radio groups and check boxes.
class IntControl : public GLUI_Control {
 public:
  void set_int_val(int value) override;
  void set_float_val(float value) override { set_int_val(static_cast<int>(value)); }
  int get_int_val() const override { return value_; }
  float get_float_val() const override { return static_cast<float>(value_); }

 protected:
  // Starts from the live variable's value when there is one.
  IntControl(GLUI& glui, const char* name, int* live, int id, GLUI_CB callback);
  double liveValue() const override { return value_; }
  void adoptLive(double v) override { value_ = static_cast<int>(v); }

  int value_ = 0;
};

}  // namespace glui_detail

// A labelled, framed box (or an invisible one, GLUI_PANEL_NONE) whose
// controls stack top to bottom in the order added.
class GLUI_Panel : public GLUI_Control {
 public:
  int get_type() const { return type_; }

 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_Panel(GLUI& glui, const char* name, int type);

  int type_;
  std::vector<GLUI_Control*> children_;
};

// Buttons of which one is selected; the value is the selected button's
// number, counted from 0 in the order added.
class GLUI_RadioGroup : public glui_detail::IntControl {
 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_RadioGroup(GLUI& glui, int* live, int id, GLUI_CB callback);
  void userSelect(int index);

  std::vector<GLUI_RadioButton*> buttons_;
};

// One button of a radio group; its value is 1 while it is selected.
class GLUI_RadioButton : public GLUI_Control {
 public:
  // A non-zero value selects this button in its group.
  void set_int_val(int value) override;
  int get_int_val() const override;
  float get_float_val() const override { return static_cast<float>(get_int_val()); }

 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_RadioButton(GLUI& glui, GLUI_RadioGroup& group, const char* name, int index);

  GLUI_RadioGroup& group_;
  int index_;
};

// A check box; its value is ticked when not 0. The user's toggle stores 1 or 0.
class GLUI_Checkbox : public glui_detail::IntControl {
 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_Checkbox(GLUI& glui, const char* name, int* live, int id, GLUI_CB callback);
  void userToggle();
};

// A number with an edit field and up/down arrows. An int spinner's live
// variable is an int, a float spinner's a float. Limits default to none; the
// limit type of set_*_limits defaults to GLUI_LIMIT_CLAMP.
class GLUI_Spinner : public GLUI_Control {
 public:
  void set_int_val(int value) override;
  void set_float_val(float value) override;
  int get_int_val() const override { return model_.intValue(); }
  float get_float_val() const override { return model_.floatValue(); }

  // On a float spinner these are float limits at those whole numbers. The
  // limits apply at once to the current value (no callback).
  void set_int_limits(int low, int high, int limit_type = GLUI_LIMIT_CLAMP);
  void set_float_limits(float low, float high, int limit_type = GLUI_LIMIT_CLAMP);
  // Scales arrow steps (1 or 1.0 at speed 1) and drags; speed > 0.
  void set_speed(float speed) { model_.setSpeed(speed); }

 protected:
  double liveValue() const override;
  void adoptLive(double v) override { model_.adopt(v); }

 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_Spinner(GLUI& glui, const char* name, int data_type, void* live, int id, GLUI_CB callback);
  void setLimits(int limitType, double low, double high);

  glui_detail::SpinnerModel model_;
  glui_detail::ArrowGesture gesture_;
};

// A push button: its callback runs when it is pressed and released inside.
class GLUI_Button : public GLUI_Control {
 private:
  friend class GLUI;
  friend struct glui_detail::UserActions;
  GLUI_Button(GLUI& glui, const char* name, int id, GLUI_CB callback);
};

// One panel window and its controls. Made by GLUI_Master.create_glui. A
// `parent` of NULL in the add_*_to_panel calls means the window's top level.
class GLUI {
 public:
  // A GLUI without a window (create_glui gives it one); ops defaults to GLUT.
  explicit GLUI(const char* name, glui_detail::WindowOps* ops = nullptr);
  GLUI(const GLUI&) = delete;
  GLUI& operator=(const GLUI&) = delete;
  ~GLUI();

  GLUI_Panel* add_panel(const char* name, int type = GLUI_PANEL_EMBOSSED);
  GLUI_Panel* add_panel_to_panel(GLUI_Panel* parent, const char* name,
                                 int type = GLUI_PANEL_EMBOSSED);

  GLUI_RadioGroup* add_radiogroup(int* live_var = nullptr, int user_id = -1,
                                  GLUI_CB callback = GLUI_CB());
  GLUI_RadioGroup* add_radiogroup_to_panel(GLUI_Panel* panel, int* live_var = nullptr,
                                           int user_id = -1, GLUI_CB callback = GLUI_CB());
  // NULL when group is NULL.
  GLUI_RadioButton* add_radiobutton_to_group(GLUI_RadioGroup* group, const char* name);

  GLUI_Checkbox* add_checkbox(const char* name, int* live_var = nullptr, int id = -1,
                              GLUI_CB callback = GLUI_CB());
  GLUI_Checkbox* add_checkbox_to_panel(GLUI_Panel* panel, const char* name, int* live_var = nullptr,
                                       int id = -1, GLUI_CB callback = GLUI_CB());

  GLUI_Spinner* add_spinner(const char* name, int data_type = GLUI_SPINNER_INT,
                            void* live_var = nullptr, int id = -1, GLUI_CB callback = GLUI_CB());
  GLUI_Spinner* add_spinner_to_panel(GLUI_Panel* panel, const char* name,
                                     int data_type = GLUI_SPINNER_INT, void* live_var = nullptr,
                                     int id = -1, GLUI_CB callback = GLUI_CB());

  GLUI_Button* add_button(const char* name, int id = -1, GLUI_CB callback = GLUI_CB());
  GLUI_Button* add_button_to_panel(GLUI_Panel* panel, const char* name, int id = -1,
                                   GLUI_CB callback = GLUI_CB());

  // The window that is redisplayed after user changes and is current while
  // callbacks run. An automatically placed panel moves beside it.
  void set_main_gfx_window(int window_id);
  int get_main_gfx_window() const { return mainWindow_; }

  // The panel window's GLUT id; 0 for a GLUI without a window.
  int get_glut_window_id() const { return windowId_; }
  const char* get_name() const { return name_.c_str(); }

  // Takes over values the application wrote into live variables and
  // redraws if any changed.
  void sync_live();

 private:
  friend class GLUI_Control;
  friend struct glui_detail::UserActions;

  template <typename T, typename... Args>
  T* adopt(GLUI_Panel* parent, Args&&... args);
  void announceUserChange(GLUI_Control& control, bool liveWritten, const GLUI_CB& callback);
  void announceProgramChange();

  std::string name_;
  glui_detail::WindowOps* ops_;
  glui_detail::PanelHost* host_ = nullptr;
  int windowId_ = 0;
  int mainWindow_ = -1;
  std::vector<std::unique_ptr<GLUI_Control>> controls_;
  GLUI_Panel* top_ = nullptr;
};

class GLUI_Master_Object {
 public:
  // Opens a top-level panel window titled name. flags is accepted for
  // compatibility and ignored (there are no subwindows). With x and y of -1
  // the window goes beside the current window (right of it, top-aligned),
  // and later beside the main graphics window; otherwise at x, y. The new
  // window is GLUT's current window on return, as after glutCreateWindow.
  GLUI* create_glui(const char* name, long flags = 0, int x = -1, int y = -1);

  // Sets GLUT's idle callback to f; NULL leaves GLUT with none. The toolkit
  // itself needs no idle callback.
  void set_glutIdleFunc(void (*f)());

  void sync_live_all();

 private:
  std::vector<GLUI*> guis_;
};

extern GLUI_Master_Object GLUI_Master;

#endif  // GLUI_GLUI_H_
