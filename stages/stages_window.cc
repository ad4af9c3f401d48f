// Glue: the "Pipeline Stages" GLUT window on freeglut and Dear ImGui. Opens
// and places it, follows the drawing window's frames through a frame
// listener, routes input to the picture (orbit, zoom, pick) or to ImGui,
// reads OpenGL's side of the selected vertex in its own context, applies the
// near and far fields, and handles the close. Draws nothing itself
// (stages_picture.cc, stages_panel.cc) and makes no call in another window's
// context but the projection rebuild that the fields ask for.

#include "stages/stages_window.h"

#include <GL/freeglut.h>
#include <backends/imgui_impl_glut.h>
#include <backends/imgui_impl_opengl2.h>
#include <imgui.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/state.h"
#include "corvane/corvane.h"
#include "glui/glui_ext.h"
#include "scene/close_alone.h"
#include "scene/view.h"
#include "stages/placement.h"
#include "stages/stages_panel.h"
#include "stages/stages_picture.h"
#include "stages/vertex_trace.h"

namespace {

using glui_ext::ContextScope;

constexpr int kWidth = 920;
constexpr int kHeight = 480;
constexpr int kPanelWidth = 460;  // pixels right of the picture
constexpr int kClickSlop = 3;     // pixels a press may move and still be a click
constexpr int kGap = 8;           // pixels between windows

int window = 0;
ImGuiContext* context = nullptr;
std::vector<int> avoided;
bool placed = false;
ScreenPoint lastTarget{-1, -1};
int width = kWidth;
int height = kHeight;
StagesModel model;
StagesControls controls;
PictureView pictureView;
Observer observer = startObserver();
bool pressed = false;  // the left button went down in the picture
bool dragged = false;
int pressX = 0;
int pressY = 0;
int lastX = 0;
int lastY = 0;

int pictureSize() { return std::max(100, std::min(height, width - kPanelWidth)); }

StagesMode mode() { return static_cast<StagesMode>(controls.mode); }

ScreenRect outerRect(int id) {
  glutSetWindow(id);
  const int border = glutGet(GLUT_WINDOW_BORDER_WIDTH);
  const int header = glutGet(GLUT_WINDOW_HEADER_HEIGHT);
  return ScreenRect{glutGet(GLUT_WINDOW_X) - border, glutGet(GLUT_WINDOW_Y) - header - border,
                    glutGet(GLUT_WINDOW_WIDTH) + 2 * border,
                    glutGet(GLUT_WINDOW_HEIGHT) + header + 2 * border};
}

ScreenPoint targetPosition() {
  const int current = glutGetWindow();
  std::vector<ScreenRect> others;
  for (const int id : avoided) {
    if (id > 0) others.push_back(outerRect(id));
  }
  glutSetWindow(current);
  const int border = glutGet(GLUT_WINDOW_BORDER_WIDTH);
  const int header = glutGet(GLUT_WINDOW_HEADER_HEIGHT);
  return placeClearOf(others, kWidth + 2 * border, kHeight + header + 2 * border,
                      glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT), kGap);
}

// The other windows reach their final size only once the X server has
// configured them, after this one opened: placed again until the place
// stays the same.
void placeClear() {
  if (placed) return;
  const ScreenPoint target = targetPosition();
  if (target.x == lastTarget.x && target.y == lastTarget.y) {
    placed = true;
    return;
  }
  lastTarget = target;
  glutPositionWindow(target.x, target.y);
}

void applyClipping(const PanelRequest& request) {
  if (request.setClipping) setClippingDistances(request.nearPlane, request.farPlane);
}

// One ImGui frame; the current ImGui context is this window's.
void frame(bool render) {
  if (render) ImGui_ImplOpenGL2_NewFrame();
  ImGui_ImplGLUT_NewFrame();
  const float left = static_cast<float>(pictureSize());
  ImGui::SetNextWindowPos(ImVec2(left, 0.0f));
  ImGui::SetNextWindowSize(ImVec2(static_cast<float>(width) - left, static_cast<float>(height)));
  // The background is glClear's: a blended quad the size of the panel would
  // cost llvmpipe more than all the rest of the frame.
  ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(0, 0, 0, 0));
  // A scroll bar when the trace does not fit.
  ImGui::Begin("##stages", nullptr,
               ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                   ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus);
  const PanelRequest request = drawStagesPanel(model, controls);
  ImGui::End();
  ImGui::PopStyleColor();
  if (render) {
    ImGui::Render();
  } else {
    ImGui::EndFrame();
  }
  applyClipping(request);
}

// The font texture is made by the first frame, with linear filtering.
// Glyphs are drawn at whole pixels, so nearest filtering shows the same and
// costs llvmpipe less.
void useNearestFontFiltering() {
  static bool done = false;
  if (done) return;
  done = true;
  glBindTexture(GL_TEXTURE_2D,
                static_cast<GLuint>(reinterpret_cast<std::intptr_t>(ImGui::GetIO().Fonts->TexID)));
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void onDisplay() {
  placeClear();
  ContextScope scope(context);
  if (model.selected) transformByOpenGl(model.view, &model.selectedVertex, 1, &model.openGl);
  // The panel's part only: the picture clears its own, each pixel once.
  const int picture = pictureSize();
  glViewport(0, 0, width, height);
  glEnable(GL_SCISSOR_TEST);
  glScissor(picture, 0, width - picture, height);
  const ImVec4 background = ImGui::GetStyle().Colors[ImGuiCol_WindowBg];
  glClearColor(background.x, background.y, background.z, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glScissor(0, picture, picture, height - picture);  // below a picture shorter than the window
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
  drawStagesPicture(model, mode(), controls.morph, observer, pictureSize(), &pictureView);
  frame(true);
  useNearestFontFiltering();
  glViewport(0, 0, width, height);
  ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
  glutSwapBuffers();
}

void onReshape(int w, int h) {
  width = w;
  height = h;
  ContextScope scope(context);
  ImGui_ImplGLUT_ReshapeFunc(w, h);
  glutPostRedisplay();
}

// ImGui takes events through its queue, one change a frame: the event gets
// a frame of its own before the one drawn.
void toImGui() {
  frame(false);
  glutPostRedisplay();
}

// The picture fills the window's bottom left (GL's viewport origin); x and
// y are GLUT's, from the top left.
bool inPicture(int x, int y) { return x < pictureSize() && y >= height - pictureSize(); }

void onMouse(int button, int state, int x, int y) {
  ContextScope scope(context);
  if (!pressed && !inPicture(x, y)) {
    ImGui_ImplGLUT_MouseFunc(button, state, x, y);
    toImGui();
    return;
  }
  // With no wheel callback registered freeglut reports the wheel as buttons
  // 3 (towards the user: closer) and 4 (away: farther).
  if (button == 3 || button == 4) {
    if (state == GLUT_DOWN) observer = zoomed(observer, button == 3 ? -1 : 1);
    glutPostRedisplay();
    return;
  }
  if (button != GLUT_LEFT_BUTTON) return;
  if (state == GLUT_DOWN) {
    pressed = true;
    dragged = false;
    pressX = lastX = x;
    pressY = lastY = y;
    return;
  }
  pressed = false;
  if (!dragged) {
    const int picked = pickVertex(model, mode(), controls.morph, pictureView, x, y, height);
    if (picked >= 0) selectVertex(model, picked);
  }
  glutPostRedisplay();
}

void onMotion(int x, int y) {
  ContextScope scope(context);
  if (!pressed) {
    ImGui_ImplGLUT_MotionFunc(x, y);
    toImGui();
    return;
  }
  if (std::abs(x - pressX) > kClickSlop || std::abs(y - pressY) > kClickSlop) dragged = true;
  if (!dragged) return;
  observer = orbited(observer, x - lastX, y - lastY);
  lastX = x;
  lastY = y;
  glutPostRedisplay();
}

void onPassiveMotion(int x, int y) {
  if (inPicture(x, y)) return;  // no hover texts in the picture
  ContextScope scope(context);
  ImGui_ImplGLUT_MotionFunc(x, y);
  toImGui();
}

void onKeyboard(unsigned char key, int x, int y) {
  ContextScope scope(context);
  ImGui_ImplGLUT_KeyboardFunc(key, x, y);
  toImGui();
}

void onKeyboardUp(unsigned char key, int x, int y) {
  ContextScope scope(context);
  ImGui_ImplGLUT_KeyboardUpFunc(key, x, y);
  toImGui();
}

void onSpecial(int key, int x, int y) {
  ContextScope scope(context);
  ImGui_ImplGLUT_SpecialFunc(key, x, y);
  toImGui();
}

void onSpecialUp(int key, int x, int y) {
  ContextScope scope(context);
  ImGui_ImplGLUT_SpecialUpFunc(key, x, y);
  toImGui();
}

// Runs at the end of every frame of the drawing window, with its context
// current: CPU work only, and a redraw asked for only when what this window
// shows has changed.
void followScene() {
  if (window == 0) return;
  if (updateStagesModel(model, currentDrawingView(), corvaneLookAt, corvaneProjection,
                        subdivisions)) {
    glutPostWindowRedisplay(window);
  }
}

void onClose() {
  closeThisWindowAlone();
  glui_ext::destroyWindowContext(context);
  context = nullptr;
  window = 0;
  pressed = false;
}

}  // namespace

int openPipelineStages(const std::vector<int>& windowsToAvoid) {
  if (window != 0) return window;
  const int current = glutGetWindow();
  avoided = windowsToAvoid;
  const ScreenPoint at = targetPosition();
  // The application's window defaults stay as they were.
  const int displayMode = glutGet(GLUT_INIT_DISPLAY_MODE);
  const int initX = glutGet(GLUT_INIT_WINDOW_X);
  const int initY = glutGet(GLUT_INIT_WINDOW_Y);
  const int initW = glutGet(GLUT_INIT_WINDOW_WIDTH);
  const int initH = glutGet(GLUT_INIT_WINDOW_HEIGHT);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowPosition(at.x, at.y);
  glutInitWindowSize(kWidth, kHeight);
  window = glutCreateWindow("Pipeline Stages");
  glutInitDisplayMode(static_cast<unsigned>(displayMode));
  glutInitWindowPosition(initX, initY);
  glutInitWindowSize(initW, initH);
  context = glui_ext::createWindowContext();
  {
    ContextScope scope(context);
    ImGui::GetIO().DisplaySize = ImVec2(kWidth, kHeight);
    ImGui::GetStyle().ItemSpacing.y = 2.0f;  // the trace's lines close together
  }
  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutPassiveMotionFunc(onPassiveMotion);
  glutKeyboardFunc(onKeyboard);
  glutKeyboardUpFunc(onKeyboardUp);
  glutSpecialFunc(onSpecial);
  glutSpecialUpFunc(onSpecialUp);
  glutCloseFunc(onClose);
  updateStagesModel(model, currentDrawingView(), corvaneLookAt, corvaneProjection, subdivisions);
  addFrameListener(followScene);
  if (current > 0) glutSetWindow(current);
  return window;
}

int pipelineStagesWindow() { return window; }

const StagesModel& pipelineStagesModel() { return model; }

// As the panel's field-of-view handler: the projection rebuilt in the
// drawing window, both OpenGL's and Corvane's, and a frame asked for.
void setClippingDistances(float nearDistance, float farDistance) {
  nearPlane = nearDistance;
  farPlane = farDistance;
  const int current = glutGetWindow();
  glutSetWindow(windowIds[0]);
  loadFieldOfViewProjection();
  glutPostRedisplay();
  if (current > 0) glutSetWindow(current);
}
