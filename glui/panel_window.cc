// Glue: the panel window on freeglut and Dear ImGui; see panel_window.h for
// what it does and does not do.

#include "glui/panel_window.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <backends/imgui_impl_glut.h>
#include <backends/imgui_impl_opengl2.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>

#include "glui/user_actions.h"
#include "glui/control_tree.h"
#include "glui/imgui_context.h"

namespace glui_detail {

namespace {

// The controls' window calls (current window, switching, posting a redisplay).
class GlutWindowOps : public WindowOps {
 public:
  int current() override { return glutGetWindow(); }
  void setCurrent(int window) override { glutSetWindow(window); }
  void postRedisplay(int window) override { glutPostWindowRedisplay(window); }
};

std::vector<PanelWindow*>& windows() {
  static std::vector<PanelWindow*> all;
  return all;
}

// Only one arrow can be held at a time (one pointer). A release bumps the
// generation, so a timer still pending from that hold does nothing.
struct HeldArrow {
  GLUI_Spinner* spinner = nullptr;
  int generation = 0;
};
HeldArrow heldArrow;

// Keeps GLUT's current window.
class WindowScope {
 public:
  WindowScope() : saved_(glutGetWindow()) {}
  ~WindowScope() {
    if (saved_ > 0) glutSetWindow(saved_);
  }
  WindowScope(const WindowScope&) = delete;
  WindowScope& operator=(const WindowScope&) = delete;

 private:
  int saved_;
};

void ensureGlutInit() {
  if (glutGet(GLUT_INIT_STATE)) return;
  int argc = 1;
  char name[] = "glui";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
}

Rect currentWindowRect() {
  return Rect{glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
              glutGet(GLUT_WINDOW_HEIGHT)};
}

PanelWindow* self() { return PanelWindow::ofWindow(glutGetWindow()); }

void onDisplay() {
  if (PanelWindow* w = self()) w->display();
}
void onReshape(int width, int height) {
  if (PanelWindow* w = self()) w->reshape(width, height);
}
void onMouse(int button, int state, int x, int y) {
  if (PanelWindow* w = self()) {
    w->inputEvent([&] { ImGui_ImplGLUT_MouseFunc(button, state, x, y); });
  }
}
void onMotion(int x, int y) {
  if (PanelWindow* w = self()) w->inputEvent([&] { ImGui_ImplGLUT_MotionFunc(x, y); });
}
void onPassiveMotion(int x, int y) {
  if (PanelWindow* w = self()) {
    w->inputEvent([&] { ImGui_ImplGLUT_MotionFunc(x, y); }, true);
  }
}
void onKeyboard(unsigned char c, int x, int y) {
  if (PanelWindow* w = self()) w->inputEvent([&] { ImGui_ImplGLUT_KeyboardFunc(c, x, y); });
}
void onKeyboardUp(unsigned char c, int x, int y) {
  if (PanelWindow* w = self()) {
    w->inputEvent([&] { ImGui_ImplGLUT_KeyboardUpFunc(c, x, y); });
  }
}
void onSpecial(int key, int x, int y) {
  if (PanelWindow* w = self()) w->inputEvent([&] { ImGui_ImplGLUT_SpecialFunc(key, x, y); });
}
void onSpecialUp(int key, int x, int y) {
  if (PanelWindow* w = self()) {
    w->inputEvent([&] { ImGui_ImplGLUT_SpecialUpFunc(key, x, y); });
  }
}
void onEntry(int state) {
  if (PanelWindow* w = self()) w->pointerCrossed(state == GLUT_LEFT);
}

void showWindow(int window) {
  WindowScope keep;
  glutSetWindow(window);
  glutShowWindow();
}

void registerCallbacks() {
  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutPassiveMotionFunc(onPassiveMotion);
  glutKeyboardFunc(onKeyboard);
  glutKeyboardUpFunc(onKeyboardUp);
  glutSpecialFunc(onSpecial);
  glutSpecialUpFunc(onSpecialUp);
  glutEntryFunc(onEntry);
}

}  // namespace

PanelWindow::PanelWindow(GLUI& glui, bool autoPlace) : glui_(glui), autoPlace_(autoPlace) {}

PanelWindow* PanelWindow::ofWindow(int window) {
  for (PanelWindow* w : windows()) {
    if (w->window_ == window) return w;
  }
  return nullptr;
}

PanelWindow* PanelWindow::open(GLUI& glui, const char* title, int x, int y) {
  ensureGlutInit();
  auto* w = new PanelWindow(glui, x < 0 || y < 0);
  w->createContext();
  w->relayout();
  Point at{x, y};
  const int creator = glutGetWindow();
  if (w->autoPlace_) {
    at = creator > 0 ? placeBeside(currentWindowRect(), glutGet(GLUT_WINDOW_BORDER_WIDTH))
                     : Point{-1, -1};
  }
  // The application's window defaults stay as they were for its next window.
  const int mode = glutGet(GLUT_INIT_DISPLAY_MODE);
  const Rect init{glutGet(GLUT_INIT_WINDOW_X), glutGet(GLUT_INIT_WINDOW_Y),
                  glutGet(GLUT_INIT_WINDOW_WIDTH), glutGet(GLUT_INIT_WINDOW_HEIGHT)};
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  glutInitWindowPosition(at.x, at.y);
  glutInitWindowSize(w->size_.w, w->size_.h);
  w->window_ = glutCreateWindow(title);
  glutInitDisplayMode(mode);
  glutInitWindowPosition(init.x, init.y);
  glutInitWindowSize(init.w, init.h);
  registerCallbacks();
  // freeglut maps the window at once, at the size of no controls (16 by 16);
  // it takes its real size only when the event loop runs, and a click aimed
  // at a control in between lands outside it. So the window is unmapped
  // here, in the same request batch, and shown from the event loop's first
  // pass, where freeglut applies the size before it maps the window.
  XUnmapWindow(glXGetCurrentDisplay(), glXGetCurrentDrawable());
  glutTimerFunc(0, showWindow, w->window_);
  windows().push_back(w);
  UserActions::attach(glui, w, w->window_);
  return w;
}

void PanelWindow::createContext() { context_ = createWindowContext(); }

void PanelWindow::relayout() {
  ContextScope scope(context_);
  ImFont* font = ImGui::GetIO().Fonts->Fonts[0];
  layout_ = layoutOf(glui_, [font](const char* text) {
    const float w = font->CalcTextSizeA(font->FontSize, FLT_MAX, 0.0f, text).x;
    return static_cast<int>(std::ceil(w));
  });
  size_ = layoutWindow(layout_);
}

void PanelWindow::controlsChanged() {
  relayout();
  if (window_ == 0) return;
  WindowScope keep;
  glutSetWindow(window_);
  glutReshapeWindow(size_.w, size_.h);
  glutPostRedisplay();
}

void PanelWindow::valuesChanged() {
  if (window_ != 0) glutPostWindowRedisplay(window_);
}

void PanelWindow::mainWindowChanged(int window) {
  if (autoPlace_ && window > 0 && window_ != 0) moveBeside(window);
}

void PanelWindow::moveBeside(int mainWindow) {
  WindowScope keep;
  glutSetWindow(mainWindow);
  if (glutGetWindow() != mainWindow) return;
  const Point at = placeBeside(currentWindowRect(), glutGet(GLUT_WINDOW_BORDER_WIDTH));
  glutSetWindow(window_);
  glutPositionWindow(at.x, at.y);
}

void PanelWindow::frame(bool render) {
  if (render) ImGui_ImplOpenGL2_NewFrame();
  ImGui_ImplGLUT_NewFrame();
  // The layout's size also before GLUT has reported the window's first
  // reshape, so clicks that come early still land: ImGui finds the window
  // under the pointer only within the display size, which the backend sets
  // at the first reshape.
  ImGuiIO& io = ImGui::GetIO();
  if (io.DisplaySize.x <= 0.0f || io.DisplaySize.y <= 0.0f) {
    io.DisplaySize = ImVec2(static_cast<float>(size_.w), static_cast<float>(size_.h));
  }
  ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
  ImGui::SetNextWindowSize(ImVec2(std::fmax(io.DisplaySize.x, static_cast<float>(size_.w)),
                                  std::fmax(io.DisplaySize.y, static_cast<float>(size_.h))));
  ImGui::Begin("##glui", nullptr,
               ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoScrollWithMouse |
                   ImGuiWindowFlags_NoBringToFrontOnFocus);
  if (endEdit_) {
    endEdit_ = false;
    ImGui::ClearActiveID();
  }
  widgets_.draw(layout_, actions_);
  ImGui::End();
  if (render) {
    ImGui::Render();
  } else {
    ImGui::EndFrame();
  }
}

void PanelWindow::display() {
  ContextScope scope(context_);
  UserActions::syncLive(glui_);
  frame(true);
  renderWindowFrame();
  glutSwapBuffers();
  // The GL driver took the window's size when the context was made (16 by
  // 16) and learns the new one at a buffer swap: the first frame is drawn
  // in the old size, so a second one follows.
  if (!drawn_) {
    drawn_ = true;
    valuesChanged();
  }
  if (applyActions()) valuesChanged();
}

void PanelWindow::reshape(int w, int h) {
  ContextScope scope(context_);
  ImGui_ImplGLUT_ReshapeFunc(w, h);
  valuesChanged();
}

void PanelWindow::pointerCrossed(bool left) {
  inputEvent(
      [&] {
        ImGuiIO& io = ImGui::GetIO();
        // A key released over another window never sends its release here.
        std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
        io.KeyCtrl = io.KeyShift = io.KeyAlt = io.KeySuper = false;
        if (left && !io.MouseDown[0]) {
          io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
          // Keys now go elsewhere: the field has lost the focus, so its text is
          // committed, as a click elsewhere in the panel would.
          endEdit_ = true;
        }
      },
      true);
}

template <typename Apply>
void PanelWindow::inputEvent(Apply applyEvent, bool hoverOnly) {
  ContextScope scope(context_);
  const bool synced = UserActions::syncLive(glui_);
  const ImGuiID hoveredBefore = ImGui::GetCurrentContext()->HoveredId;
  applyEvent();
  frame(false);
  const bool hoverChanged = ImGui::GetCurrentContext()->HoveredId != hoveredBefore;
  const bool acted = applyActions();
  if (!hoverOnly || hoverChanged || acted || synced) valuesChanged();
}

bool PanelWindow::applyActions() {
  if (actions_.empty()) return false;
  std::vector<UserAction> pending;
  pending.swap(actions_);
  for (const UserAction& action : pending) apply(action);
  return true;
}

void PanelWindow::apply(const UserAction& action) {
  using Kind = UserAction::Kind;
  switch (action.kind) {
    case Kind::Select:
      UserActions::select(static_cast<GLUI_RadioGroup&>(*action.control), action.value);
      break;
    case Kind::Toggle:
      UserActions::toggle(static_cast<GLUI_Checkbox&>(*action.control));
      break;
    case Kind::Press:
      UserActions::press(static_cast<GLUI_Button&>(*action.control));
      break;
    case Kind::ArrowPress: {
      auto& spinner = static_cast<GLUI_Spinner&>(*action.control);
      heldArrow = HeldArrow{&spinner, heldArrow.generation + 1};
      UserActions::arrowPress(spinner, action.value, action.y);
      glutTimerFunc(kRepeatDelayMs, repeatTimer, heldArrow.generation);
      break;
    }
    case Kind::ArrowMove:
      UserActions::arrowMove(static_cast<GLUI_Spinner&>(*action.control), action.y);
      break;
    case Kind::ArrowRelease:
      UserActions::arrowRelease(static_cast<GLUI_Spinner&>(*action.control));
      if (heldArrow.spinner == action.control) {
        heldArrow = HeldArrow{nullptr, heldArrow.generation + 1};
      }
      break;
    case Kind::Commit:
      UserActions::commitText(static_cast<GLUI_Spinner&>(*action.control), action.text);
      break;
  }
}

void PanelWindow::repeatTimer(int generation) {
  if (generation != heldArrow.generation || heldArrow.spinner == nullptr) return;
  if (UserActions::arrowRepeat(*heldArrow.spinner) && generation == heldArrow.generation) {
    glutTimerFunc(kRepeatIntervalMs, repeatTimer, generation);
  }
}

WindowOps& glutWindowOps() {
  static GlutWindowOps ops;
  return ops;
}

void setGlutIdleFunc(void (*callback)()) { glutIdleFunc(callback); }

}  // namespace glui_detail
