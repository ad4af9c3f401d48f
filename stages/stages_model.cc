#include "stages/stages_model.h"

#include <algorithm>
#include <cstring>

#include "stages/sphere_vertices.h"

namespace {

bool sameBytes(const void* a, const void* b, std::size_t size) {
  return std::memcmp(a, b, size) == 0;
}

}  // namespace

bool updateStagesModel(StagesModel& model, const DrawingView& view, const Matrix4& lookAt,
                       const Matrix4& projection, int panelDepth) {
  const int depth = std::min(std::max(panelDepth, 0), kStagesMaxDepth);
  if (model.depth == depth && model.panelDepth == panelDepth &&
      sameBytes(&model.view, &view, sizeof view) &&
      sameBytes(&model.lookAt, &lookAt, sizeof lookAt) &&
      sameBytes(&model.projection, &projection, sizeof projection)) {
    return false;
  }
  if (model.depth != depth) {
    model.vertices = sphereVertices(depth);
    model.selected = false;
  }
  model.depth = depth;
  model.panelDepth = panelDepth;
  model.view = view;
  model.lookAt = lookAt;
  model.projection = projection;
  model.traces.resize(model.vertices.size());
  for (std::size_t i = 0; i < model.vertices.size(); ++i) {
    model.traces[i] = traceThroughCorvane(model.vertices[i], lookAt, projection, view.viewport);
  }
  sampleVolume(projection, view.viewport, view.hfov, view.vfov, view.nearPlane,
               drawnDepth(view.nearPlane, view.farPlane), &model.cutVolume);
  sampleVolume(projection, view.viewport, view.hfov, view.vfov, view.nearPlane, view.farPlane,
               &model.wholeVolume);
  model.fits[static_cast<int>(Space::kEye)] = fitOf(model.cutVolume, Space::kEye);
  model.fits[static_cast<int>(Space::kClip)] = fitOf(model.cutVolume, Space::kClip);
  model.fits[static_cast<int>(Space::kNdc)] = fitOf(model.wholeVolume, Space::kNdc);
  model.fits[static_cast<int>(Space::kWindow)] = fitOf(model.wholeVolume, Space::kWindow);
  model.morphNdcFit = fitOf(model.cutVolume, Space::kNdc);
  model.depthUse = depthUse(lookAt, projection, view.viewport);
  if (model.selected) {
    model.selectedTrace =
        traceThroughCorvane(model.selectedVertex, lookAt, projection, view.viewport);
  }
  return true;
}

Vector3 displayedAt(const StagesModel& model, const CorvaneTrace& trace, StagesMode mode,
                    float morph) {
  if (mode == StagesMode::kMorph) {
    return morphed(trace, model.fits[static_cast<int>(Space::kEye)], model.morphNdcFit, morph);
  }
  const Space space = static_cast<Space>(static_cast<int>(mode));
  return fitted(model.fits[static_cast<int>(mode)], inSpace(trace, space));
}

void selectVertex(StagesModel& model, int i) {
  if (i < 0 || i >= static_cast<int>(model.vertices.size())) return;
  model.selected = true;
  model.selectedVertex = model.vertices[i];
  model.selectedTrace = model.traces[i];
}
