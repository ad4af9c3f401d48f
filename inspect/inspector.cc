// Glue: the inspector on freeglut and Dear ImGui.
//
// Does: opens the window beside the control panel with an ImGui context set
// up as the panel toolkit's, takes a snapshot at the end of every frame of the
// drawing window and posts a redisplay of the inspector alone, draws the
// snapshot on display, feeds pointer movement to ImGui for the hover texts,
// and on close releases the ImGui context and stops taking snapshots.
//
// Does not: write to any of the program's state, make any GL call in the
// drawing window's context but the two read-backs, change GLUT's current
// window outside its own callbacks, or redraw when nothing happened (no idle
// callback, no timer but one at close).

#include "inspect/inspector.h"

#include <GL/freeglut.h>
#include <backends/imgui_impl_glut.h>
#include <backends/imgui_impl_opengl2.h>
#include <imgui.h>

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/last_step.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "glui/glui_ext.h"
#include "inspect/inspector_view.h"
#include "scene/close_alone.h"
#include "scene/view.h"

namespace {

using glui_ext::ContextScope;

constexpr int kWidth = 640;
constexpr int kHeight = 380;

bool opened = false;
int window = 0;
int panel = 0;                     // the window the inspector stays beside
glui_ext::Rect panelPlacedBeside;  // where it was then
bool placed = false;               // beside the panel at its final size
ImGuiContext* context = nullptr;
InspectorSnapshot snapshot;

bool sameBits(const void* a, const void* b, std::size_t size) {
  return std::memcmp(a, b, size) == 0;
}

// Whether two snapshots show the same, bit for bit (a NaN is the same NaN).
bool showTheSame(const InspectorSnapshot& a, const InspectorSnapshot& b) {
  return sameBits(&a.openGlModelView, &b.openGlModelView, sizeof(Matrix4)) &&
         sameBits(&a.openGlProjection, &b.openGlProjection, sizeof(Matrix4)) &&
         sameBits(&a.corvaneModelView, &b.corvaneModelView, sizeof(Matrix4)) &&
         sameBits(&a.corvaneProjection, &b.corvaneProjection, sizeof(Matrix4)) &&
         sameBits(&a.camera, &b.camera, sizeof(Camera)) && a.step.count == b.step.count &&
         a.step.mode == b.step.mode && a.step.axis == b.step.axis && a.step.sign == b.step.sign &&
         sameBits(&a.step.amount, &b.step.amount, sizeof(float)) &&
         sameBits(&a.projection, &b.projection, sizeof(ProjectionInputs));
}

// A frame listener: runs in the drawing window's callback with its context
// current, so glGetFloatv reads the drawing window's matrices as the frame
// left them. A frame that changed none of the numbers (an expose, a button
// press) asks for no redraw.
void takeSnapshot() {
  if (window == 0) return;
  InspectorSnapshot next = snapshot;
  float values[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, values);
  next.openGlModelView.setFromArray(values);
  glGetFloatv(GL_PROJECTION_MATRIX, values);
  next.openGlProjection.setFromArray(values);
  next.corvaneModelView = corvaneModelView;
  next.corvaneProjection = corvaneProjection;
  next.camera = camera;
  next.step = lastDragStep;
  next.projection = ProjectionInputs{hfov, vfov, nearPlane, farPlane};
  next.frame += 1;
  const bool changed = next.frame == 1 || !showTheSame(next, snapshot);
  snapshot = next;
  if (changed) glutPostWindowRedisplay(window);
}

glui_ext::Rect currentWindowRect() {
  return glui_ext::Rect{glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
                        glutGet(GLUT_WINDOW_HEIGHT)};
}

// Places the current window right of the panel as it is now, until it has
// found the panel where it was the time before: the panel's width is known
// only once the X server has configured it, after the inspector opened.
void placeBesidePanel() {
  if (placed) return;
  glutSetWindow(panel);
  const glui_ext::Rect rect = currentWindowRect();
  const int border = glutGet(GLUT_WINDOW_BORDER_WIDTH);
  glutSetWindow(window);
  if (rect.x == panelPlacedBeside.x && rect.y == panelPlacedBeside.y &&
      rect.w == panelPlacedBeside.w && rect.h == panelPlacedBeside.h) {
    placed = true;
    return;
  }
  panelPlacedBeside = rect;
  const glui_ext::Point at = glui_ext::placeBeside(rect, border);
  glutPositionWindow(at.x, at.y);
}

// One ImGui frame of the snapshot; the current context is the inspector's.
void frame(bool render) {
  if (render) ImGui_ImplOpenGL2_NewFrame();
  ImGui_ImplGLUT_NewFrame();
  ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
  ImGui::SetNextWindowSize(ImGui::GetIO().DisplaySize);
  // The background is glClear's: a textured, blended quad the size of the
  // window would cost about as much as everything else together (llvmpipe).
  ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(0, 0, 0, 0));
  ImGui::Begin("##inspector", nullptr,
               ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus);
  drawInspector(snapshot);
  ImGui::End();
  ImGui::PopStyleColor();
  if (render) {
    ImGui::Render();
  } else {
    ImGui::EndFrame();
  }
}

// The font texture is made by the first frame, with linear filtering.
// Glyphs are drawn at whole pixels, so nearest filtering shows the same and
// costs llvmpipe less (about a tenth of a refresh).
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
  placeBesidePanel();
  ContextScope scope(context);
  frame(true);
  useNearestFontFiltering();
  glui_ext::renderWindowFrame();
  glutSwapBuffers();
}

void onReshape(int width, int height) {
  ContextScope scope(context);
  ImGui_ImplGLUT_ReshapeFunc(width, height);
}

// Hover texts follow the pointer: one redraw per movement over the window.
// ImGui shows a tooltip from the second frame it is asked for, so the
// movement gets a frame of its own before the one drawn.
void onPassiveMotion(int x, int y) {
  ContextScope scope(context);
  ImGui_ImplGLUT_MotionFunc(x, y);
  frame(false);
  glutPostRedisplay();
}

void onEntry(int state) {
  if (state != GLUT_LEFT) return;
  ContextScope scope(context);
  ImGui::GetIO().MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
  glutPostRedisplay();
}

// freeglut runs this with the inspector current, while it destroys the
// window.
void onClose() {
  closeThisWindowAlone();
  glui_ext::destroyWindowContext(context);
  context = nullptr;
  window = 0;
}

}  // namespace

void openInspector(int besideWindow) {
  if (opened) return;
  opened = true;
  const int current = glutGetWindow();
  panel = besideWindow;
  glutSetWindow(panel);
  // A first guess: the panel may not have its final size yet (see
  // placeBesidePanel).
  panelPlacedBeside = currentWindowRect();
  const glui_ext::Point at =
      glui_ext::placeBeside(panelPlacedBeside, glutGet(GLUT_WINDOW_BORDER_WIDTH));
  // The application's window defaults stay as they were.
  const int mode = glutGet(GLUT_INIT_DISPLAY_MODE);
  const glui_ext::Rect init{glutGet(GLUT_INIT_WINDOW_X), glutGet(GLUT_INIT_WINDOW_Y),
                            glutGet(GLUT_INIT_WINDOW_WIDTH), glutGet(GLUT_INIT_WINDOW_HEIGHT)};
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  glutInitWindowPosition(at.x, at.y);
  glutInitWindowSize(kWidth, kHeight);
  window = glutCreateWindow("Inspector");
  glutInitDisplayMode(mode);
  glutInitWindowPosition(init.x, init.y);
  glutInitWindowSize(init.w, init.h);
  context = glui_ext::createWindowContext();
  {
    ContextScope scope(context);
    ImGui::GetIO().DisplaySize = ImVec2(kWidth, kHeight);
  }
  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutPassiveMotionFunc(onPassiveMotion);
  glutEntryFunc(onEntry);
  glutCloseFunc(onClose);
  if (current > 0) glutSetWindow(current);
  addFrameListener(takeSnapshot);
}

const InspectorSnapshot& inspectorSnapshot() { return snapshot; }

int inspectorWindow() { return window; }
