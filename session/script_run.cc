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
#include "app/panel_labels.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/corvane.h"
#include "corvane/reports.h"
#include "glui/glui_ext.h"
#include "scene/close_alone.h"
#include "scene/view.h"
#include "rasterview/raster_window.h"
#include "session/expectation.h"
#include "session/png_snapshot.h"
#include "stages/vertex_trace.h"

// Last: Xlib defines macros (None, Always, ...) that clash with names above.
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

// Generous: a loaded machine answers late, and a wait ends as soon as it is met.
constexpr double kFirstFrameSeconds = 60.0;
constexpr double kResizeSeconds = 60.0;
constexpr int kMaxRounds = 10000;

Display* xDisplay = nullptr;  // freeglut's connection
long framesDrawn = 0;         // frames of the drawing window

ScriptRun settings;         // how this run goes
std::string scriptFile;     // for the messages of failed expectations
ExpectationTally ownTally;  // when the settings bring none
ExpectationTally* tally = &ownTally;
long flippedBefore = 0;  // flippedCount at the last `expect flipped`

void countFrame() { ++framesDrawn; }

// The end of the run: 5 when an expectation failed, else the status given.
[[noreturn]] void finish(int status) {
  std::fflush(stdout);
  std::exit(tally->failed > 0 ? kExitExpectation : status);
}

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
      // "Quit" ends the run as its button does, but a failed expectation
      // is not reported as success.
      if (std::strcmp(c.label, panel_label::kQuit.text) == 0 && tally->failed > 0)
        finish(kExitQuit);
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
    return;
  }
  // The frame drawn with the reshape may have gone into the buffer of the old
  // size (Mesa's software driver learns the new size at the next frame), which
  // leaves the grown part of the window unpainted; a window manager's expose
  // would draw it again, and so does this.
  const long frames = framesDrawn;
  glutPostWindowRedisplay(drawingWindow());
  settleUntil([frames] { return framesDrawn > frames; }, kResizeSeconds);
}

void runSnap(const ScriptCommand& c, const std::string& outDir) {
  if (!settings.snapshots) return;
  Picture both =
      sideBySide(grabWindow(windowIds[0]), grabWindow(controlPanel->get_glut_window_id()));
  for (const int window : settings.extraWindows) {
    if (!closedAlone(window)) both = sideBySide(both, grabWindow(window));
  }
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

std::vector<double> printedOrder(const float* columnMajor) {
  std::vector<double> rows;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) rows.push_back(columnMajor[4 * column + row]);
  }
  return rows;
}

// The matrix as "?" or "P" would read it now, row by row.
std::vector<double> matrixShown(const Expectation& e) {
  const bool modelView = e.kind == ExpectKind::ModelView;
  if (e.corvane) return printedOrder((modelView ? corvaneModelView : corvaneProjection).data());
  drawingWindow();
  float values[16];
  glGetFloatv(modelView ? GL_MODELVIEW_MATRIX : GL_PROJECTION_MATRIX, values);
  return printedOrder(values);
}

FoundValue controlShown(const char* label) {
  glui_ext::takeOverLiveValues(*controlPanel);
  glui_ext::FoundControl found;
  GLUI_Control& shown = control<GLUI_Control>(label, &found);
  FoundValue value;
  if (found.group != nullptr) {
    value.word = found.group->get_int_val() == found.index ? "on" : "off";
  } else if (auto* spinner = dynamic_cast<GLUI_Spinner*>(&shown)) {
    const std::string text = glui_ext::fieldText(*spinner);
    const std::size_t point = text.find('.');
    value.decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    value.numbers.push_back(spinner->get_float_val());
  } else {
    value.word = shown.get_int_val() != 0 ? "on" : "off";
  }
  return value;
}

// That line of the last trace's report (the checker lets no expect trace
// come before a trace).
std::vector<double> traceShown(TraceLine line) {
  const CorvaneTrace& t = lastVertexTrace.corvane;
  switch (line) {
    case TraceLine::Eye:
      return {t.eye.x, t.eye.y, t.eye.z, t.eye.w};
    case TraceLine::Clip:
      return {t.clip.x, t.clip.y, t.clip.z, t.clip.w};
    case TraceLine::Ndc:
      return {t.ndc.x, t.ndc.y, t.ndc.z};
    case TraceLine::Window:
      break;
  }
  return {t.window.x, t.window.y, t.window.z};
}

FoundValue shownFor(const Expectation& e, const char* label) {
  FoundValue found;
  switch (e.kind) {
    case ExpectKind::Eye:
      found.numbers = {camera.eye.x, camera.eye.y, camera.eye.z};
      break;
    case ExpectKind::ModelView:
    case ExpectKind::Projection:
      found.numbers = matrixShown(e);
      break;
    case ExpectKind::Control:
      found = controlShown(label);
      break;
    case ExpectKind::Trace:
      found.numbers = traceShown(e.traceLine);
      break;
    case ExpectKind::Flipped:
      found.numbers.push_back(static_cast<double>(flippedCount - flippedBefore));
      flippedBefore = flippedCount;
      break;
  }
  return found;
}

void reportFailure(const std::string& message) {
  if (settings.failureFd < 0) {
    std::fflush(stdout);
    std::cerr << message << std::endl;
    return;
  }
  const std::string line = message + "\n";
  const ssize_t written = write(settings.failureFd, line.data(), line.size());
  static_cast<void>(written);  // nothing more to do when the reader is gone
}

void runExpect(const ScriptCommand& c) {
  const FoundValue found = shownFor(c.expect, c.label);
  if (expectationHolds(c.expect, found)) {
    ++tally->met;
    return;
  }
  ++tally->failed;
  reportFailure(expectationFailure(scriptFile, c.line, c.expect, c.label, found));
}

void runEcho(const ScriptCommand& c) {
  std::printf("%s\n", c.text.c_str());
  std::fflush(stdout);
}

Vector3 pointOf(const ScriptCommand& c) {
  return Vector3(static_cast<float>(c.point[0]), static_cast<float>(c.point[1]),
                 static_cast<float>(c.point[2]));
}

// Not a drag step: only the camera changes, and the next frame's look-at
// shows it.
void runCamera(const ScriptCommand& c) {
  if (c.kind == CommandKind::CameraEye) {
    camera.eye = pointOf(c);
  } else {
    camera.lookAt(pointOf(c));
  }
  updateCorvaneLookAt(camera);
  redisplaySceneWindows();
}

void runWorldOrbit(const ScriptCommand& c) {
  const Observer placed{static_cast<float>(c.point[0]), static_cast<float>(c.point[1]),
                        static_cast<float>(c.point[2])};
  if (settings.placeObserver) settings.placeObserver(placed);
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
    case CommandKind::Trace:
      drawingWindow();  // the context the trace comes back to
      printVertexTrace(traceVertexAtPixel(c.x, c.y));
      break;
    case CommandKind::Expect:
      runExpect(c);
      break;
    case CommandKind::Echo:
      runEcho(c);
      break;
    case CommandKind::CameraEye:
    case CommandKind::CameraAim:
      runCamera(c);
      break;
    case CommandKind::WorldOrbit:
      runWorldOrbit(c);
      break;
    case CommandKind::Raster:
      runRaster(c);
      break;
  }
}

}  // namespace

int runScript(const Script& script, const ScriptRun& how) {
  settings = how;
  scriptFile = script.fileName;
  if (how.tally != nullptr) tally = how.tally;
  const std::vector<int>& extraWindows = how.extraWindows;
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
    run(command, how.outDir);
    settle();
  }
  std::fflush(stdout);
  return tally->failed > 0 ? kExitExpectation : kExitQuit;
}
