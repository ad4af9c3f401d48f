#ifndef GLUI_IMGUI_CONTEXT_H_
#define GLUI_IMGUI_CONTEXT_H_

// The toolkit's Dear ImGui set-up, shared by every GLUT window drawn with
// ImGui: the panels, and the application's own ImGui windows, so that they
// all look and behave alike.
//
// Each window has a context of its own. A context writes no files (no
// imgui.ini, no log), has no blinking caret (that would need a redraw loop,
// and the windows redraw only on events), uses the default font and the
// toolkit's light style, and has ImGui's GLUT and OpenGL 2 backends set up.
// Setting up makes no GL call: the font texture is made by the first frame,
// in whatever GL context is current then, so draw a context's frames only in
// its own window.

struct ImGuiContext;

namespace glui_detail {

// A new context with the settings above; the caller's current context is
// current again on return.
ImGuiContext* createWindowContext();

// Shuts the backends down and destroys the context. The GL context that drew
// its frames must be current (the font texture is deleted there).
void destroyWindowContext(ImGuiContext* context);

// Draws the current context's last frame into the whole window: viewport,
// a clear to the style's window background, the draw data. The caller swaps.
void renderWindowFrame();

// Makes a context current for the scope and then restores the caller's, so a
// window opened or redrawn from inside another window's callback leaves that
// window's context alone.
class ContextScope {
 public:
  explicit ContextScope(ImGuiContext* context);
  ~ContextScope();
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  ImGuiContext* saved_;
};

}  // namespace glui_detail

#endif  // GLUI_IMGUI_CONTEXT_H_
