#ifndef STAGES_STAGES_PANEL_H_
#define STAGES_STAGES_PANEL_H_

// The controls and text of the "Pipeline Stages" window, drawn with Dear
// ImGui into the current ImGui context's current window: the space shown
// (eye, clip, NDC, window, or the morph with its slider), the near and far
// fields, the depth plot, and the selected vertex traced stage by stage as
// matrix x vector, with OpenGL's feedback result beside Corvane's window
// coordinates marked as the inspector marks cells ('=' the same bits, '~'
// the same six decimals, 'x' different; inspect/cell_match.h).

#include "stages/stages_model.h"

struct StagesControls {
  int mode = 0;        // a StagesMode
  float morph = 0.5f;  // 0 eye space .. 1 NDC
  float nearField = 0.0f;
  float farField = 0.0f;
  bool refused = false;  // the fields' last values were refused
};

// What the user asked for that changes the program's state.
struct PanelRequest {
  bool setClipping = false;
  float nearPlane = 0.0f;
  float farPlane = 0.0f;
};

PanelRequest drawStagesPanel(const StagesModel& model, StagesControls& controls);

// The line under the depth plot, e.g. "the sphere uses 3.8 % of the depth
// range (0.933427 to 0.971526)". Writes at most size bytes.
void depthUseLine(const DepthUse& use, char* out, int size);

#endif  // STAGES_STAGES_PANEL_H_
