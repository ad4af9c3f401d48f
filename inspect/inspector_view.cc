#include "inspect/inspector_view.h"

#include <imgui.h>

#include <cmath>
#include <cstdio>

#include "inspect/cell_match.h"
#include "inspect/inspector_text.h"
#include "inspect/matrix_pair.h"

namespace {

// Pixels, for ImGui's default 13-pixel font (7 pixels a character).
constexpr float kCellGap = 10.0f;   // between the columns of one matrix
constexpr float kBlockGap = 22.0f;  // between OpenGL's matrix and Corvane's
constexpr float kCellPad = 1.0f;    // a cell's background around its text

struct MatchStyle {
  const char* mark;
  const char* meaning;
  ImU32 background;
  ImU32 markColour;
};

const MatchStyle& styleOf(CellMatch match) {
  static const MatchStyle styles[] = {
      {"=", "bit-identical", 0, IM_COL32(0, 120, 0, 255)},
      {"~", "equal to six decimals", IM_COL32(255, 226, 160, 255), IM_COL32(160, 100, 0, 255)},
      {"x", "different", IM_COL32(255, 196, 196, 255), IM_COL32(190, 0, 0, 255)},
  };
  return styles[static_cast<int>(match)];
}

const ImU32 kNotFiniteFrame = IM_COL32(190, 0, 0, 255);

// Draws text with its right edge at `right` (window coordinates) on the
// current line, on a background; frames it when the number is not finite.
// Returns whether the pointer is over it.
bool drawCell(const char* text, float right, bool firstOnLine, ImU32 background, bool finite) {
  const ImVec2 size = ImGui::CalcTextSize(text);
  if (firstOnLine) {
    ImGui::SetCursorPosX(right - size.x);
  } else {
    ImGui::SameLine(right - size.x);
  }
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const ImVec2 from(at.x - kCellPad, at.y - kCellPad);
  const ImVec2 to(at.x + size.x + kCellPad, at.y + size.y + kCellPad);
  ImDrawList* draw = ImGui::GetWindowDrawList();
  if (background != 0) draw->AddRectFilled(from, to, background);
  if (!finite) draw->AddRect(from, to, kNotFiniteFrame);
  ImGui::TextUnformatted(text);
  return ImGui::IsItemHovered();
}

enum class PairKind { ModelView, Projection };

// Hover text of a cell of OpenGL's matrix or Corvane's, with the numbers of
// the snapshot it shows.
const char* hoverText(const InspectorSnapshot& s, PairKind kind, bool ofCorvane, int row,
                      int column, TextLine& line) {
  const Matrix4& m = kind == PairKind::ModelView
                         ? (ofCorvane ? s.corvaneModelView : s.openGlModelView)
                         : (ofCorvane ? s.corvaneProjection : s.openGlProjection);
  const float value = m.at(row, column);
  if (kind == PairKind::Projection) {
    line = projectionCellText(row, column, value, s.projection);
  } else if (ofCorvane) {
    line = corvaneModelViewCellText(row, column, value, s.corvaneCells);
  } else {
    const ViewFrame frame{s.camera.eye, s.camera.u, s.camera.v, s.camera.n};
    line = openGlModelViewCellText(row, column, value, frame);
  }
  if (!std::isfinite(value)) {
    TextLine explained = line;
    std::snprintf(line.text, sizeof line.text, "%.200s (not a finite number)", explained.text);
  }
  return line.text;
}

// OpenGL's matrix, then Corvane's with each cell's mark after it; hovering a
// cell explains it.
void drawPair(const InspectorSnapshot& s, PairKind kind) {
  const bool modelView = kind == PairKind::ModelView;
  const char* title = modelView ? "Model-view" : "Projection";
  const Matrix4& openGl = modelView ? s.openGlModelView : s.openGlProjection;
  const Matrix4& corvane = modelView ? s.corvaneModelView : s.corvaneProjection;
  const char* expectation = modelView ? kModelViewExpectation : kProjectionExpectation;
  const MatrixPair cells = pairOf(openGl, corvane);
  const float markWidth = ImGui::CalcTextSize("=").x + 4.0f;
  float columnWidth[4] = {0, 0, 0, 0};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      columnWidth[column] =
          std::fmax(columnWidth[column], ImGui::CalcTextSize(cells.openGl[row][column].text).x);
      columnWidth[column] =
          std::fmax(columnWidth[column], ImGui::CalcTextSize(cells.corvane[row][column].text).x);
    }
  }
  const float left = ImGui::GetCursorPosX();
  float openGlRight[4];
  float corvaneRight[4];
  float x = left;
  for (int j = 0; j < 4; ++j) {
    x += columnWidth[j];
    openGlRight[j] = x;
    x += kCellGap;
  }
  const float corvaneLeft = x - kCellGap + kBlockGap;
  x = corvaneLeft;
  for (int j = 0; j < 4; ++j) {
    x += columnWidth[j];
    corvaneRight[j] = x;
    x += kCellGap + markWidth;
  }

  ImGui::Text("%s: OpenGL", title);
  ImGui::SameLine(corvaneLeft);
  ImGui::TextUnformatted("Corvane");
  TextLine hover;
  const char* tooltip = nullptr;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const MatchStyle& style = styleOf(cells.match[row][column]);
      if (drawCell(cells.openGl[row][column].text, openGlRight[column], column == 0,
                   style.background, std::isfinite(openGl.at(row, column)))) {
        tooltip = hoverText(s, kind, false, row, column, hover);
      }
    }
    for (int column = 0; column < 4; ++column) {
      const MatchStyle& style = styleOf(cells.match[row][column]);
      if (drawCell(cells.corvane[row][column].text, corvaneRight[column], false, style.background,
                   std::isfinite(corvane.at(row, column)))) {
        tooltip = hoverText(s, kind, true, row, column, hover);
      }
      ImGui::SameLine(corvaneRight[column] + 3.0f);
      ImGui::PushStyleColor(ImGuiCol_Text, style.markColour);
      ImGui::TextUnformatted(style.mark);
      ImGui::PopStyleColor();
    }
  }
  if (tooltip != nullptr) ImGui::SetTooltip("%s", tooltip);
  ImGui::Text("%d bit-identical, %d equal to six decimals, %d different", cells.count[0],
              cells.count[1], cells.count[2]);
  ImGui::TextWrapped("%s", expectation);
}

void drawLegend() {
  for (int m = 0; m < 3; ++m) {
    const MatchStyle& style = styleOf(static_cast<CellMatch>(m));
    if (m > 0) ImGui::SameLine(0.0f, 14.0f);
    const ImVec2 at = ImGui::GetCursorScreenPos();
    const ImVec2 size = ImGui::CalcTextSize(style.mark);
    ImGui::GetWindowDrawList()->AddRectFilled(
        ImVec2(at.x - kCellPad, at.y - kCellPad),
        ImVec2(at.x + size.x + kCellPad, at.y + size.y + kCellPad), style.background);
    ImGui::PushStyleColor(ImGuiCol_Text, style.markColour);
    ImGui::TextUnformatted(style.mark);
    ImGui::PopStyleColor();
    ImGui::SameLine();
    ImGui::TextUnformatted(style.meaning);
  }
  ImGui::SameLine(0.0f, 14.0f);
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const ImVec2 size = ImGui::CalcTextSize("nan");
  ImGui::GetWindowDrawList()->AddRect(ImVec2(at.x - kCellPad, at.y - kCellPad),
                                      ImVec2(at.x + size.x + kCellPad, at.y + size.y + kCellPad),
                                      kNotFiniteFrame);
  ImGui::TextUnformatted("nan");
  ImGui::SameLine();
  ImGui::TextUnformatted("not a finite number");
}

}  // namespace

void drawInspector(const InspectorSnapshot& s) {
  if (s.frame == 0) {
    ImGui::TextUnformatted("Waiting for the first frame of the drawing window");
    return;
  }
  ImGui::Text("Camera  eye %s   u %s", vectorText(s.camera.eye).text, vectorText(s.camera.u).text);
  ImGui::Text("        v   %s   n %s", vectorText(s.camera.v).text, vectorText(s.camera.n).text);
  ImGui::TextUnformatted(stepText(s.step).text);
  ImGui::Separator();
  drawPair(s, PairKind::ModelView);
  ImGui::Separator();
  drawPair(s, PairKind::Projection);
  ImGui::Separator();
  drawLegend();
}
