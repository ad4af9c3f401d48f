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
//   trace X Y                          prints the "Vertex Trace" of the
//                                      drawn vertex nearest pixel X, Y
//                                      (stages/vertex_trace.h)
//   expect WHAT VALUE... [within TOL]  checks what a report or the panel
//                                      shows (see Expectation); a failure
//                                      is reported and the run goes on
//   echo [TEXT]                        TEXT on standard output
//   camera eye X Y Z                   moves the eye; the axes stay
//   camera aim X Y Z                   turns the camera to look at X, Y, Z
//   world orbit AZIMUTH ELEVATION DISTANCE
//                                      places the world view's observer
//                                      (with --world; else nothing happens)
//   raster VIEW                        the "Corvane Raster" window (viewer
//                                      --raster) shows VIEW: picture
//                                      (Corvane's), opengl or difference
//
// LABEL is a control's label as the panel shows it, or in other case where
// only one label of that kind of control matches it so; its trailing blanks and
// a final colon may be left out ("# Subdivisions", "Hfov"). Positions and
// distances are window pixels, y counted from the top; DX, DY, X and Y lie
// within -10000..10000, W and H within 1..10000. NAME holds letters, digits,
// '.', '-' and '_' and does not start with '.'. The numbers of expect,
// camera and world are decimals ("0", "-1.0002", "2.5", "1e-3"); camera's
// lie within -10000..10000, world's within the observer's limits
// (world/observer.h), the azimuth from -180 up to but not including 180.

#include <cstddef>
#include <string>
#include <vector>

enum class CommandKind {
  Select,
  Check,
  Set,
  Press,
  Drag,
  Key,
  Click,
  Resize,
  Snap,
  Trace,
  Expect,
  Echo,
  CameraEye,
  CameraAim,
  WorldOrbit,
  Raster
};

// What an expect line checks, and the numbers it holds:
//   Eye         expect eye X Y Z: the camera's eye, as "C" prints it
//   ModelView   expect modelview opengl|corvane N1 ... N16: the matrix as
//   Projection  "?" or "P" prints it, sixteen numbers row by row
//   Control     expect LABEL VALUE: a radio button or check box on or off,
//               a spinner's number
//   Flipped     expect flipped N: how many times "flipped" was printed since
//               the last expect flipped, or the start
//   Trace       expect trace eye|clip X Y Z W, expect trace ndc|window X Y Z:
//               that line of the last trace's report
enum class ExpectKind { Eye, ModelView, Projection, Control, Flipped, Trace };

// The lines of a trace's report that expect trace checks.
enum class TraceLine { Eye, Clip, Ndc, Window };

struct Expectation {
  ExpectKind kind = ExpectKind::Eye;
  bool corvane = false;                  // ModelView, Projection: Corvane's matrix, else OpenGL's
  TraceLine traceLine = TraceLine::Eye;  // Trace
  std::vector<double> numbers;           // as written, in the printed order
  std::string word;                      // Control: "on" or "off"; empty for a spinner
  bool within = false;                   // "within TOL" ends the line
  double tolerance = 0.0;
  std::string toleranceText;  // TOL as written, for the messages
};

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
                                // echo: the words, one blank between;
                                // raster: the view's word
  int button = kLeftButton;     // drag, click
  int dx = 0, dy = 0;           // drag
  bool fromGiven = false;       // drag: x, y given; click: always
  int x = 0, y = 0;             // drag start, click and trace position
  int width = 0, height = 0;    // resize
  unsigned char key = 0;        // key
  Expectation expect;           // expect; its control's label is `label`
  std::vector<double> point;    // camera: X, Y, Z; world orbit: azimuth, elevation, distance
};

// How many bad lines a script's check reports one by one; the rest are
// counted.
constexpr std::size_t kShownScriptErrors = 30;

struct Script {
  std::vector<ScriptCommand> commands;
  std::string fileName;  // as given, for the run's messages
  // One per bad line, the first kShownScriptErrors of them, as
  // "FILE:LINE: expected ..., found ...", the file name and the word found as
  // text/printable.h shows them.
  std::vector<std::string> errors;
  std::size_t unshownErrors = 0;  // bad lines after those
};

// A script's limits: a larger file, or a longer line, is refused whole with
// one message (a script is typed by hand; /dev/zero is not one).
constexpr std::size_t kMaxScriptBytes = 1024 * 1024;
constexpr std::size_t kMaxScriptLine = 4096;  // bytes, without the newline

// A label as a script may write it: without trailing blanks and a final
// colon, in quotes when it holds a blank.
std::string shortLabel(const char* built);

// Checks every line of text; fileName only goes into the error messages.
Script parseScript(const std::string& text, const std::string& fileName);

// Reads and checks the file at path; an unreadable file is one error,
// "PATH: cannot read the script: REASON".
Script readScript(const std::string& path);

// Reads and checks the file at path. On an unreadable file or any bad line,
// writes the errors to standard error and exits with status 2.
Script loadScript(const std::string& path);

#endif  // SESSION_SCRIPT_H_
