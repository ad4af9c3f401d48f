// GLUI_Master, which opens panel windows and passes the idle callback on to
// GLUT (through the glue file). It keeps every GLUI for the life of the process.

#include "glui/glui.h"
#include "glui/panel_window.h"

GLUI_Master_Object GLUI_Master;

GLUI* GLUI_Master_Object::create_glui(const char* name, long, int x, int y) {
  auto* glui = new GLUI(name);
  glui_detail::PanelWindow::open(*glui, name ? name : "", x, y);
  guis_.push_back(glui);
  return glui;
}

void GLUI_Master_Object::set_glutIdleFunc(void (*f)()) { glui_detail::setGlutIdleFunc(f); }

void GLUI_Master_Object::sync_live_all() {
  for (GLUI* glui : guis_) glui->sync_live();
}
