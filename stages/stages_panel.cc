#include "stages/stages_panel.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "inspect/cell_match.h"

namespace {

constexpr int kPlotSamples = 200;
constexpr float kPlotHeight = 80.0f;

char markOf(float openGl, float corvane) {
  switch (matchCells(openGl, corvane)) {
    case CellMatch::Identical:
      return '=';
    case CellMatch::SixDecimals:
      return '~';
    default:
      return 'x';
  }
}

void modeControls(StagesControls& c) {
  static const char* const kLabels[] = {"eye", "clip", "NDC", "window", "eye -> NDC"};
  for (int m = 0; m < 5; ++m) {
    if (m > 0) ImGui::SameLine();
    ImGui::RadioButton(kLabels[m], &c.mode, m);
  }
  if (c.mode == static_cast<int>(StagesMode::kMorph)) {
    ImGui::SliderFloat("divide", &c.morph, 0.0f, 1.0f, "%.2f");
  }
}

// The fields follow the program's values except while one is being typed
// into; Enter in either commits both.
PanelRequest clippingControls(const StagesModel& model, StagesControls& c) {
  PanelRequest request;
  if (!ImGui::IsAnyItemActive()) {
    c.nearField = model.view.nearPlane;
    c.farField = model.view.farPlane;
  }
  ImGui::PushItemWidth(110.0f);
  const ImGuiInputTextFlags flags = ImGuiInputTextFlags_EnterReturnsTrue;
  bool commit = ImGui::InputFloat("near", &c.nearField, 0.0f, 0.0f, "%g", flags);
  ImGui::SameLine();
  commit = ImGui::InputFloat("far", &c.farField, 0.0f, 0.0f, "%g", flags) || commit;
  ImGui::PopItemWidth();
  if (commit) {
    const bool good = std::isfinite(c.nearField) && std::isfinite(c.farField) &&
                      c.nearField > 0.0f && c.nearField < c.farField;
    c.refused = !good;
    if (good) request = PanelRequest{true, c.nearField, c.farField};
  }
  if (c.refused) ImGui::TextUnformatted("refused: needs 0 < near < far, both finite");
  return request;
}

void depthPlot(const StagesModel& model) {
  const DepthUse& use = model.depthUse;
  const float nearDistance = model.view.nearPlane;
  const float farDistance = model.view.farPlane;
  // Over more than two decades of distance the near end would be a single
  // column of pixels: the distance axis is then logarithmic.
  const bool logarithmic = farDistance >= 100.0f * nearDistance;
  ImGui::TextUnformatted(logarithmic ? "window depth against eye distance, near to far (log scale)"
                                     : "window depth against eye distance, near to far");
  const ImVec2 origin = ImGui::GetCursorScreenPos();
  const float width = ImGui::GetContentRegionAvail().x - 8.0f;
  ImGui::Dummy(ImVec2(width, kPlotHeight));
  ImDrawList* draw = ImGui::GetWindowDrawList();
  const auto at = [&](float distance, float depth) {
    const float fx = logarithmic ? std::log(std::max(distance, nearDistance) / nearDistance) /
                                       std::log(farDistance / nearDistance)
                                 : (distance - nearDistance) / (farDistance - nearDistance);
    return ImVec2(origin.x + std::min(1.0f, std::max(0.0f, fx)) * width,
                  origin.y + (1.0f - depth) * kPlotHeight);
  };
  const ImU32 axis = IM_COL32(90, 90, 90, 255);
  draw->AddRect(origin, ImVec2(origin.x + width, origin.y + kPlotHeight), axis);
  ImVec2 points[kPlotSamples + 1];
  for (int s = 0; s <= kPlotSamples; ++s) {
    const float f = static_cast<float>(s) / kPlotSamples;
    const float d = logarithmic ? nearDistance * std::pow(farDistance / nearDistance, f)
                                : nearDistance + (farDistance - nearDistance) * f;
    points[s] = at(d, depthAtDistance(model.projection, model.view.viewport, d));
  }
  draw->AddPolyline(points, kPlotSamples + 1, IM_COL32(40, 90, 200, 255), 0, 1.5f);
  const ImU32 mark = IM_COL32(200, 60, 40, 255);
  for (const auto& [distance, depth] : {std::pair{use.nearestDistance, use.nearestDepth},
                                        std::pair{use.farthestDistance, use.farthestDepth}}) {
    draw->AddCircleFilled(at(distance, depth), 4.0f, mark);
  }
  char text[160];
  std::snprintf(text, sizeof text, "%g", double{nearDistance});
  draw->AddText(ImVec2(origin.x + 2, origin.y + kPlotHeight - 16), axis, text);
  std::snprintf(text, sizeof text, "%g", double{farDistance});
  draw->AddText(ImVec2(origin.x + width - 60, origin.y + kPlotHeight - 16), axis, text);
  std::snprintf(text, sizeof text, "sphere: nearest %.3f, farthest %.3f (red)",
                double{use.nearestDistance}, double{use.farthestDistance});
  ImGui::TextUnformatted(text);
  depthUseLine(use, text, sizeof text);
  ImGui::TextWrapped("%s", text);
}

// One stage as matrix x vector = result, row by row: the matrix's row, the
// vector's element in that row, and the result's.
void product(const char* title, const Matrix4& m, const Vector4& in, const Vector4& out) {
  ImGui::TextUnformatted(title);
  const float v[4] = {in.x, in.y, in.z, in.w};
  const float r[4] = {out.x, out.y, out.z, out.w};
  for (int i = 0; i < 4; ++i) {
    ImGui::Text("%9.6f %9.6f %9.6f %9.6f %9.6f -> %9.6f", double{m.at(i, 0)}, double{m.at(i, 1)},
                double{m.at(i, 2)}, double{m.at(i, 3)}, double{v[i]}, double{r[i]});
  }
}

void traceText(const StagesModel& model) {
  if (!model.selected) {
    ImGui::TextWrapped("Click a vertex in the picture to trace it through every stage.");
    return;
  }
  const CorvaneTrace& t = model.selectedTrace;
  ImGui::Text("object (%f, %f, %f, %f)", double{t.object.x}, double{t.object.y}, double{t.object.z},
              double{t.object.w});
  product("eye = corvaneLookAt x object", model.lookAt, t.object, t.eye);
  product("clip = corvaneProjection x eye", model.projection, t.eye, t.clip);
  char tests[96] = "inside";
  if (!inside(t.failed)) {
    std::snprintf(tests, sizeof tests, "outside:");
    for (int k = 0; k < kClipTestCount; ++k) {
      if (failedTest(t.failed, k)) {
        std::snprintf(tests + std::strlen(tests), sizeof tests - std::strlen(tests), " %s",
                      kClipTestNames[k]);
      }
    }
  }
  ImGui::Text("clip tests -w <= x, y, z <= w: %s", tests);
  ImGui::Text("ndc = clip / w = (%f, %f, %f)", double{t.ndc.x}, double{t.ndc.y}, double{t.ndc.z});
  const Viewport& v = model.view.viewport;
  ImGui::Text("window (viewport %d %d %d %d, depth 0..1, y up):", v.x, v.y, v.width, v.height);
  const bool corvaneClips = !inside(t.failed);
  if (model.openGl.clipped || corvaneClips) {
    ImGui::Text("  Corvane %s   OpenGL %s   %c", corvaneClips ? "clipped" : "kept",
                model.openGl.clipped ? "clipped" : "kept",
                corvaneClips == model.openGl.clipped ? '=' : 'x');
    return;
  }
  const float corvane[3] = {t.window.x, t.window.y, t.window.z};
  const float openGl[3] = {model.openGl.window.x, model.openGl.window.y, model.openGl.window.z};
  const char* const names[3] = {"x", "y", "z"};
  ImGui::TextUnformatted("     Corvane        OpenGL (feedback)");
  for (int k = 0; k < 3; ++k) {
    ImGui::Text("  %s %-14s %c %s", names[k], printedNumber(corvane[k]).text,
                markOf(openGl[k], corvane[k]), printedNumber(openGl[k]).text);
  }
}

}  // namespace

void depthUseLine(const DepthUse& use, char* out, int size) {
  std::snprintf(out, size, "the sphere uses %.1f %% of the depth range (%f to %f)",
                100.0 * double{use.fraction}, double{use.nearestDepth}, double{use.farthestDepth});
}

PanelRequest drawStagesPanel(const StagesModel& model, StagesControls& controls) {
  modeControls(controls);
  ImGui::Separator();
  const PanelRequest request = clippingControls(model, controls);
  ImGui::Separator();
  depthPlot(model);
  ImGui::Separator();
  traceText(model);
  return request;
}
