// A throwaway program with one panel of every control kind, driven by
// glui_e2e_test.py; not part of the viewer. With --map it prints its panel's
// control map (tests/tools/control_map.h) and exits. Every control callback
// prints "cb <id> <value> <1 if the main window is current, else 0>", flushed.

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "glui/glui.h"
#include "tests/tools/control_map.h"

namespace {

int mainWindow = 0, mode = 0, flag = 0, count = 3;
float angle = 0.0f;
GLUI* panel = nullptr;  // kept, as an application keeps its panels, until exit

void report(int id) {
  const int current = glutGetWindow() == mainWindow ? 1 : 0;
  const int values[] = {0, mode, flag, count};  // by control id
  if (id == 4) std::printf("cb 4 %.2f %d\n", angle, current);
  if (id != 4) std::printf("cb %d %d %d\n", id, values[id], current);
  std::fflush(stdout);
}

void drawMain() {
  glClearColor(0.2f, 0.2f, 0.3f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glutSwapBuffers();
}

}  // namespace

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  glutInitWindowPosition(0, 0);
  glutInitWindowSize(200, 150);
  mainWindow = glutCreateWindow("glui demo gfx");
  glutDisplayFunc(drawMain);
  GLUI* glui = panel = GLUI_Master.create_glui("glui demo panel", 0, -1, -1);
  GLUI_Panel* choices = glui->add_panel("Choices");
  GLUI_RadioGroup* group = glui->add_radiogroup_to_panel(choices, &mode, 1, report);
  for (const char* name : {"Alpha", "Beta", "Gamma"}) glui->add_radiobutton_to_group(group, name);
  group->set_int_val(1);
  glui->add_checkbox_to_panel(choices, "Flag", &flag, 2, report);
  glui->add_spinner_to_panel(choices, "Count:", GLUI_SPINNER_INT, &count, 3, report)
      ->set_int_limits(1, 8, GLUI_LIMIT_WRAP);
  GLUI_Panel* numbers = glui->add_panel("Numbers");
  GLUI_Spinner* angleSpinner =
      glui->add_spinner_to_panel(numbers, "Angle:", GLUI_SPINNER_FLOAT, &angle, 4, report);
  angleSpinner->set_int_limits(10, 180, GLUI_LIMIT_WRAP);
  angleSpinner->set_float_val(60.0f);
  angleSpinner->set_speed(1.0f);
  glui->add_button_to_panel(glui->add_panel("", GLUI_PANEL_NONE), "Quit", 0, GLUI_CB(exit));
  glui->set_main_gfx_window(mainWindow);
  GLUI_Master.set_glutIdleFunc(nullptr);
  if (argc > 1 && std::strcmp(argv[1], "--map") == 0) return printControlMap(stdout) ? 0 : 1;
  glutMainLoop();
  return 0;
}
