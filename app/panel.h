#ifndef APP_PANEL_H_
#define APP_PANEL_H_

// The control panel "Tavrin Assignment 3" and its one event handler.

#include "glui/glui.h"

// User ids of the panel's controls, handed to controlCallback. The
// "Light On/Off" checkbox and the "# Subdivisions " spinner share id 15; the
// "Quit" button's id 0 becomes the exit status.
enum ControlId {
  kQuitId = 0,
  kNavigationModeId = 1,
  kActiveAxisId = 2,
  kResetViewId = 3,
  kRenderModeId = 6,
  kCullingId = 7,
  kHfovId = 8,
  kVfovId = 9,
  kLookAtObjectId = 13,
  kLightOrSubdivisionsId = 15,
};

// Handles kept from the panel's construction. The start-state options act
// through the controls of the render mode box, and scripted sessions read
// controlPanel back to find controls by label and the panel's window; nothing
// else reads them.
extern GLUI* controlPanel;
extern GLUI_Panel* renderModePanel;
extern GLUI_RadioGroup* renderModeGroup;
extern GLUI_Checkbox* lightCheckbox;
extern GLUI_Checkbox* cullingCheckbox;
extern GLUI_Panel* cameraPanel;
extern GLUI_Panel* axesPanel;
extern GLUI_Spinner* subdivisionsSpinner;
extern GLUI_Spinner* hfovSpinner;
extern GLUI_Spinner* vfovSpinner;

// Builds the panel window beside the drawing window and sets the start
// selections; also switches back-face culling on in the drawing window.
void buildControlPanel(int drawingWindow);

// The panel window's GLUT id once buildControlPanel has run, else 0; extra
// windows open beside it.
int controlPanelWindow();

// The panel's event handler. The toolkit has already written the control's
// live variable and made the drawing window current.
void controlCallback(int id);

#endif  // APP_PANEL_H_
