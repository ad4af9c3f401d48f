#ifndef STAGES_STAGES_MODEL_H_
#define STAGES_STAGES_MODEL_H_

// What the "Pipeline Stages" window shows, recomputed from the drawing
// window's view whenever it changes: the sphere's vertices at
// min(panel depth, kStagesMaxDepth) through every stage of Corvane's
// pipeline, the viewing volume's samples and fits (stages/stage_spaces.h),
// the depth plot's numbers, and the selected vertex with OpenGL's result
// for it. No GL here; OpenGL's side is filled in by the window.

#include <vector>

#include "corvane/pipeline.h"
#include "stages/opengl_transform.h"
#include "stages/stage_spaces.h"

constexpr int kStagesMaxDepth = 4;

// What the picture shows: one space, or the morph from eye to NDC.
enum class StagesMode { kEye = 0, kClip = 1, kNdc = 2, kWindow = 3, kMorph = 4 };

struct StagesModel {
  DrawingView view;
  Matrix4 lookAt;      // corvaneLookAt
  Matrix4 projection;  // corvaneProjection
  int panelDepth = 0;
  int depth = -1;                    // the depth drawn here; -1 before the first update
  std::vector<Vector3> vertices;     // object space
  std::vector<CorvaneTrace> traces;  // one a vertex
  VolumeSamples cutVolume;           // to drawnDepth: eye, clip, the morph
  VolumeSamples wholeVolume;         // to the far plane: NDC, window
  Fit fits[kSpaceCount];
  // The morph's NDC end, fitted as the cut volume's NDC: the part of the
  // cube that the frustum drawn covers.
  Fit morphNdcFit;
  DepthUse depthUse;
  bool selected = false;
  Vector3 selectedVertex{0.0f, 0.0f, 0.0f};
  CorvaneTrace selectedTrace;
  OpenGlPoint openGl{true, Vector3(0.0f, 0.0f, 0.0f)};  // filled in by the window
};

// Rebuilds everything from the view and Corvane's matrices. Returns whether
// anything differs from what the model held (so whether to redraw).
bool updateStagesModel(StagesModel& model, const DrawingView& view, const Matrix4& lookAt,
                       const Matrix4& projection, int panelDepth);

// Where a trace is drawn in the mode (fitted display coordinates).
Vector3 displayedAt(const StagesModel& model, const CorvaneTrace& trace, StagesMode mode,
                    float morph);

// Selects vertex i of model.vertices and traces it through Corvane.
void selectVertex(StagesModel& model, int i);

#endif  // STAGES_STAGES_MODEL_H_
