#include "app/panel.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <initializer_list>

#include "app/panel_labels.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "scene/view.h"

GLUI* controlPanel;
GLUI_Panel* renderModePanel;
GLUI_RadioGroup* renderModeGroup;
GLUI_Checkbox* lightCheckbox;
GLUI_Checkbox* cullingCheckbox;
GLUI_Panel* cameraPanel;
GLUI_Panel* axesPanel;
GLUI_Spinner* subdivisionsSpinner;
GLUI_Spinner* hfovSpinner;
GLUI_Spinner* vfovSpinner;

namespace {

int panelWindow = 0;

// A radio group whose buttons are numbered 0, 1, 2... in the order of labels,
// then the start selection, which also goes into the live variable.
GLUI_RadioGroup* addRadioGroup(GLUI* glui, GLUI_Panel* panel, int* live, int id,
                               std::initializer_list<const char*> labels, int selected) {
  GLUI_RadioGroup* group = glui->add_radiogroup_to_panel(panel, live, id, controlCallback);
  for (const char* label : labels) glui->add_radiobutton_to_group(group, label);
  group->set_int_val(selected);
  return group;
}

void addRenderModeControls(GLUI* glui) {
  renderModePanel = glui->add_panel("Render Mode", GLUI_PANEL_EMBOSSED);
  renderModeGroup = addRadioGroup(
      glui, renderModePanel, &renderMode, kRenderModeId,
      {panel_label::kPoints.text, panel_label::kWireframe.text, panel_label::kSolid.text}, 1);

  lightOn = 0;
  lightCheckbox = glui->add_checkbox_to_panel(renderModePanel, panel_label::kLight.text, &lightOn,
                                              kLightOrSubdivisionsId, controlCallback);

  // The panel window was created in between; culling belongs to the drawing
  // window's context.
  glutSetWindow(windowIds[0]);
  glEnable(GL_CULL_FACE);
  glutPostRedisplay();

  cullBackFaces = 1;
  cullingCheckbox = glui->add_checkbox_to_panel(renderModePanel, panel_label::kCulling.text,
                                                &cullBackFaces, kCullingId, controlCallback);

  subdivisionsSpinner =
      glui->add_spinner_to_panel(renderModePanel, panel_label::kSubdivisions.text, GLUI_SPINNER_INT,
                                 &subdivisions, kLightOrSubdivisionsId, controlCallback);
  subdivisionsSpinner->set_int_limits(1, 8, GLUI_LIMIT_WRAP);
  subdivisionsSpinner->set_speed(1.0);
}

GLUI_Spinner* addFieldOfViewSpinner(GLUI* glui, const char* label, float* fov, int id) {
  GLUI_Spinner* spinner =
      glui->add_spinner_to_panel(cameraPanel, label, GLUI_SPINNER_FLOAT, fov, id, controlCallback);
  spinner->set_int_limits(10, 180, GLUI_LIMIT_WRAP);
  spinner->set_float_val(60.0);
  spinner->set_speed(1.0);
  return spinner;
}

void addCameraControls(GLUI* glui) {
  cameraPanel = glui->add_panel("Camera", GLUI_PANEL_EMBOSSED);
  hfovSpinner = addFieldOfViewSpinner(glui, panel_label::kHfov.text, &hfov, kHfovId);
  vfovSpinner = addFieldOfViewSpinner(glui, panel_label::kVfov.text, &vfov, kVfovId);

  addRadioGroup(glui, cameraPanel, &navigationMode, kNavigationModeId,
                {panel_label::kTranslate.text, panel_label::kRotate.text}, 0);

  rotateAboutObject = 1;
  lookAtObject = 0;
  glui->add_checkbox_to_panel(cameraPanel, panel_label::kLookAtObject.text, &lookAtObject,
                              kLookAtObjectId, controlCallback);

  axesPanel = glui->add_panel_to_panel(cameraPanel, "Axes", GLUI_PANEL_EMBOSSED);
  addRadioGroup(glui, axesPanel, &activeAxis, kActiveAxisId,
                {panel_label::kAxisX.text, panel_label::kAxisY.text, panel_label::kAxisZ.text}, 2);

  glui->add_button_to_panel(cameraPanel, panel_label::kResetView.text, kResetViewId,
                            controlCallback);
  glui->add_button_to_panel(cameraPanel, panel_label::kQuit.text, kQuitId, exit);
}

// The same projection as a reshape, so a later resize keeps it.
void rebuildProjection() {
  loadFieldOfViewProjection();
  camera.setHfov(hfov);
  camera.setVfov(vfov);
  glutPostRedisplay();
}

}  // namespace

void buildControlPanel(int drawingWindow) {
  GLUI* glui = GLUI_Master.create_glui("Tavrin Assignment 3", 0, -1, -1);
  controlPanel = glui;
  addRenderModeControls(glui);
  addCameraControls(glui);
  glui->set_main_gfx_window(drawingWindow);
  GLUI_Master.set_glutIdleFunc(nullptr);
  panelWindow = glui->get_glut_window_id();
}

int controlPanelWindow() { return panelWindow; }

void controlCallback(int id) {
  switch (id) {
    case kResetViewId:
      camera.resetAxes();
      camera.reset();
      updateCorvaneLookAt(camera);
      redisplaySceneWindows();
      break;
    case kRenderModeId:
    case kLookAtObjectId:
      redisplaySceneWindows();
      break;
    case kCullingId:
      if (cullBackFaces != 0) {
        glEnable(GL_CULL_FACE);
      } else {
        glDisable(GL_CULL_FACE);
      }
      redisplaySceneWindows();
      break;
    case kHfovId:
    case kVfovId:
      rebuildProjection();
      break;
    default:  // navigation mode, axis, light and depth are read when next used
      break;
  }
}
