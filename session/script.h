#ifndef SESSION_SCRIPT_H_
#define SESSION_SCRIPT_H_

// Session scripts (`viewer --script FILE`): the language, and reading and
// checking a whole script before any window opens. No GL, no windows; running
// a checked script is session/script_run.h.
//
// One command a line; blank lines are ignored and `#` outside quotes starts a
// comment. Words are separated by blanks; a word in double quotes may hold
// blanks (there are no escapes).
//
//   select LABEL                       click a radio button
//   check LABEL on|off                 tick or clear a check box; nothing
//                                      happens when it already is so
//   set LABEL TEXT                     type TEXT into a spinner and commit it
//   press LABEL                        click a button
//   drag DX DY [BUTTON] [from X Y]     in the drawing window: press, one
//                                      motion by DX, DY, release; BUTTON is
//                                      left (the default), middle or right;
//                                      from the window's centre by default
//   key K                              a key in the drawing window: one
//                                      character (case matters), or Esc
//   click BUTTON X Y                   press and release at X, Y
//   resize W H                         the drawing window's client area
//   snap NAME                          both windows, side by side, into
//                                      OUT/NAME.png
//   raster VIEW                        the "Corvane Raster" window (viewer
//                                      --raster) shows VIEW: picture
//                                      (Corvane's), opengl or difference
//
// LABEL is a control's label as the panel shows it; its trailing blanks and
// a final colon may be left out ("# Subdivisions", "Hfov"). Positions and
// distances are window pixels, y counted from the top; DX, DY, X and Y lie
// within -10000..10000, W and H within 1..10000. NAME holds letters, digits,
// '.', '-' and '_' and does not start with '.'.

#include <string>
#include <vector>

enum class CommandKind { Select, Check, Set, Press, Drag, Key, Click, Resize, Snap, Raster };

// GLUT's button numbers.
constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;
constexpr int kRightButton = 2;

constexpr unsigned char kEscapeKey = 27;

struct ScriptCommand {
  CommandKind kind = CommandKind::Key;
  int line = 0;                 // in the file, from 1
  const char* label = nullptr;  // panel commands: the label the control was built with
  bool on = false;              // check
  std::string text;             // set: the text typed; snap: the file name without ".png";
                                // raster: the view's word
  int button = kLeftButton;     // drag, click
  int dx = 0, dy = 0;           // drag
  bool fromGiven = false;       // drag: x, y given; click: always
  int x = 0, y = 0;             // drag start, click position
  int width = 0, height = 0;    // resize
  unsigned char key = 0;        // key
};

struct Script {
  std::vector<ScriptCommand> commands;
  // One per bad line, as "FILE:LINE: expected ..., found ...".
  std::vector<std::string> errors;
};

// Checks every line of text; fileName only goes into the error messages.
Script parseScript(const std::string& text, const std::string& fileName);

// Reads and checks the file at path. On an unreadable file or any bad line,
// writes the errors to standard error and exits with status 2.
Script loadScript(const std::string& path);

#endif  // SESSION_SCRIPT_H_
