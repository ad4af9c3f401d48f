// Glue: drives the started viewer from a checked session script.
//
// Does: run the GLUT event loop between commands until it has nothing left
// to draw, hand each command to the toolkit action or GLUT handler that the
// same input from a user reaches, and write the snapshots.
// Does not: parse (session/script.cc), decide anything that the handlers or the
// panel decide, or draw anything itself.

#include "session/script_run.h"

#include <GL/freeglut.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/exit_status.h"
#include "app/panel.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/reports.h"
#include "glui/glui_ext.h"
#include "scene/view.h"
#include "rasterview/raster_window.h"
#include "session/png_snapshot.h"

// Last: Xlib defines macros (None, Always, ...) that clash with names above.
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

constexpr double kFirstFrameSeconds = 10.0;
constexpr double kResizeSeconds = 5.0;
constexpr int kMaxRounds = 10000;

Display* xDisplay = nullptr;  // freeglut's connection
long framesDrawn = 0;         // frames of the drawing window

std::vector<int> extraSnapWindows;  // opt-in windows a snapshot shows too

void countFrame() { ++framesDrawn; }

// Runs the event loop until a round finds no X event waiting and draws no
// frame of the drawing window. A round draws every redisplay posted before
// it, the panel's included, and nothing posts a redisplay from a display,
// so the last round leaves nothing to draw.
void settle() {
  for (int round = 0; round < kMaxRounds; ++round) {
    const long frames = framesDrawn;
    XSync(xDisplay, False);  // the server's replies and events are all queued
    const bool events = XPending(xDisplay) > 0;
    glutMainLoopEvent();
    if (!events && frames == framesDrawn) return;
  }
}

// Settles until done() holds, for at most `seconds` (the window system may
// answer a map or a resize only a little later); returns done().
template <typename Done>
bool settleUntil(Done done, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    settle();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    usleep(1000);
  }
}

int drawingWindow() {
  glutSetWindow(windowIds[0]);
  return windowIds[0];
}

// The control a checked label names, of the type T it was checked for.
template <typename T>
T& control(const char* label, glui_ext::FoundControl* found = nullptr) {
  const glui_ext::FoundControl f = glui_ext::findByLabel(*controlPanel, label);
  T* typed = dynamic_cast<T*>(f.control);
  if (typed == nullptr) {
    // The checker's label list and the built panel disagree: a fault of the
    // program, not of the script.
    std::cerr << "viewer: the panel has no such control: \"" << label << "\"" << std::endl;
    std::abort();
  }
  if (found) *found = f;
  return *typed;
}

void runPanelCommand(const ScriptCommand& c) {
  // As the panel window does before every input event.
  glui_ext::takeOverLiveValues(*controlPanel);
  switch (c.kind) {
    case CommandKind::Select: {
      glui_ext::FoundControl found;
      control<GLUI_RadioButton>(c.label, &found);
      glui_ext::select(*found.group, found.index);
      break;
    }
    case CommandKind::Check: {
      auto& box = control<GLUI_Checkbox>(c.label);
      if ((box.get_int_val() != 0) != c.on) glui_ext::toggle(box);
      break;
    }
    case CommandKind::Set:
      // Text the panel refuses changes nothing, as when typed.
      glui_ext::commitText(control<GLUI_Spinner>(c.label), c.text);
      break;
    default:
      glui_ext::press(control<GLUI_Button>(c.label));
      break;
  }
}

void runDrag(const ScriptCommand& c) {
  drawingWindow();
  const int x = c.fromGiven ? c.x : glutGet(GLUT_WINDOW_WIDTH) / 2;
  const int y = c.fromGiven ? c.y : glutGet(GLUT_WINDOW_HEIGHT) / 2;
  mouse(c.button, GLUT_DOWN, x, y);
  settle();
  drawingWindow();
  motion(x + c.dx, y + c.dy);
  settle();
  drawingWindow();
  mouse(c.button, GLUT_UP, x + c.dx, y + c.dy);
}

void runClick(const ScriptCommand& c) {
  drawingWindow();
  mouse(c.button, GLUT_DOWN, c.x, c.y);
  settle();
  drawingWindow();
  mouse(c.button, GLUT_UP, c.x, c.y);
}

void runKey(const ScriptCommand& c) {
  drawingWindow();
  keyboard(c.key, glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2);
}

// Through the window system: the server resizes the window and the reshape
// handler runs when GLUT hears of it; done once its viewport has the size.
void runResize(const ScriptCommand& c) {
  drawingWindow();
  glutReshapeWindow(c.width, c.height);
  const bool resized = settleUntil(
      [&c] {
        drawingWindow();
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        return viewport[2] == c.width && viewport[3] == c.height;
      },
      kResizeSeconds);
  if (!resized) {
    std::cerr << "viewer: line " << c.line << ": the window system did not give the drawing"
              << " window " << c.width << " by " << c.height << " pixels" << std::endl;
  }
}

void runSnap(const ScriptCommand& c, const std::string& outDir) {
  Picture both =
      sideBySide(grabWindow(windowIds[0]), grabWindow(controlPanel->get_glut_window_id()));
  for (const int window : extraSnapWindows) both = sideBySide(both, grabWindow(window));
  drawingWindow();
  const std::string path = (std::filesystem::path(outDir) / (c.text + ".png")).string();
  std::error_code folderError;
  std::filesystem::create_directories(outDir, folderError);
  if (!folderError && writePng(path, both)) return;
  const std::string reason = folderError ? folderError.message() : std::strerror(errno);
  std::fflush(stdout);
  std::cerr << "viewer: cannot write the snapshot " << path << ": " << reason << std::endl;
  std::exit(kExitSnapshot);
}

// Nothing when the window is not open: the script reads the same with or
// without --raster.
void runRaster(const ScriptCommand& c) {
  RasterView view = RasterView::Corvane;
  if (viewForWord(c.text.c_str(), &view)) showRasterView(view);
}

void run(const ScriptCommand& c, const std::string& outDir) {
  switch (c.kind) {
    case CommandKind::Select:
    case CommandKind::Check:
    case CommandKind::Set:
    case CommandKind::Press:
      runPanelCommand(c);
      break;
    case CommandKind::Drag:
      runDrag(c);
      break;
    case CommandKind::Click:
      runClick(c);
      break;
    case CommandKind::Key:
      runKey(c);
      break;
    case CommandKind::Resize:
      runResize(c);
      break;
    case CommandKind::Snap:
      runSnap(c, outDir);
      break;
    case CommandKind::Raster:
      runRaster(c);
      break;
  }
}

}  // namespace

void runScript(const Script& script, const std::string& outDir,
               const std::vector<int>& extraWindows) {
  extraSnapWindows = extraWindows;
  addFrameListener(countFrame);
  drawingWindow();
  xDisplay = glXGetCurrentDisplay();
  keepWindowContents(windowIds[0]);
  keepWindowContents(controlPanel->get_glut_window_id());
  for (const int window : extraWindows) keepWindowContents(window);
  drawingWindow();
  if (!settleUntil([] { return framesDrawn > 0; }, kFirstFrameSeconds)) {
    std::cerr << "viewer: the drawing window has not been drawn after " << kFirstFrameSeconds
              << " s; running the script all the same" << std::endl;
  }
  for (const ScriptCommand& command : script.commands) {
    run(command, outDir);
    settle();
  }
  std::fflush(stdout);
  std::exit(kExitQuit);
}
