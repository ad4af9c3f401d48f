#include "glui/imgui_context.h"

#include <GL/gl.h>
#include <backends/imgui_impl_glut.h>
#include <backends/imgui_impl_opengl2.h>
#include <imgui.h>

#include "glui/geometry.h"

namespace glui_detail {

namespace {

void setStyle() {
  ImGuiStyle& style = ImGui::GetStyle();
  ImGui::StyleColorsLight(&style);
  // The layout metrics in glui/geometry.h assume exactly these.
  style.WindowPadding = ImVec2(kMargin, kMargin);
  style.FramePadding = ImVec2(kButtonTextPad, (kRowHeight - 13) / 2);
  style.ItemInnerSpacing = ImVec2(kInnerGap, kInnerGap);
  style.WindowRounding = 0.0f;
  style.WindowBorderSize = 0.0f;
  style.FrameBorderSize = 1.0f;
}

}  // namespace

ImGuiContext* createWindowContext() {
  ContextScope scope(nullptr);
  ImGuiContext* context = ImGui::CreateContext();
  ImGui::SetCurrentContext(context);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;
  io.LogFilename = nullptr;
  io.ConfigInputTextCursorBlink = false;
  io.Fonts->AddFontDefault();
  io.Fonts->Build();
  setStyle();
  ImGui_ImplGLUT_Init();
  ImGui_ImplOpenGL2_Init();
  return context;
}

void destroyWindowContext(ImGuiContext* context) {
  {
    ContextScope scope(context);
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplGLUT_Shutdown();
  }
  // DestroyContext leaves no context current when it destroys the current
  // one; the scope above has already restored the caller's.
  ImGui::DestroyContext(context);
}

ContextScope::ContextScope(ImGuiContext* context) : saved_(ImGui::GetCurrentContext()) {
  ImGui::SetCurrentContext(context);
}

ContextScope::~ContextScope() { ImGui::SetCurrentContext(saved_); }

void renderWindowFrame() {
  const ImGuiIO& io = ImGui::GetIO();
  glViewport(0, 0, static_cast<int>(io.DisplaySize.x), static_cast<int>(io.DisplaySize.y));
  const ImVec4 background = ImGui::GetStyle().Colors[ImGuiCol_WindowBg];
  glClearColor(background.x, background.y, background.z, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

}  // namespace glui_detail
