#ifndef STAGES_STAGES_PICTURE_H_
#define STAGES_STAGES_PICTURE_H_

// The 3-D picture of the "Pipeline Stages" window: the viewing volume (its
// edges, orange) and the sphere's vertices (white inside the volume, red
// outside, the selected one large and yellow) in the mode's space, seen by
// an orbiting observer (world/observer.h), with the space's axes and a
// caption. Draws into the current GL context, within the square viewport
// (0, 0, size, size) of the window, and changes no program state.

#include "stages/stages_model.h"
#include "world/observer.h"

// The observer's matrices and the viewport, as the picture was drawn with
// them: what a click is picked with.
struct PictureView {
  double modelView[16];
  double projection[16];
  int viewport[4];
};

void drawStagesPicture(const StagesModel& model, StagesMode mode, float morph,
                       const Observer& observer, int size, PictureView* drawnWith);

// The vertex drawn nearest to window pixel (x, y from the top of a window
// height pixels high), or -1 when none lies within kPickRadius pixels.
constexpr double kPickRadius = 12.0;
int pickVertex(const StagesModel& model, StagesMode mode, float morph, const PictureView& view,
               int x, int y, int height);

#endif  // STAGES_STAGES_PICTURE_H_
