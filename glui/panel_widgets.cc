// Glue: ImGui widget calls for the controls; see panel_widgets.h for what it
// does and does not do.

#include "glui/panel_widgets.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstring>

#include "glui/user_actions.h"
#include "glui/control_tree.h"

namespace glui_detail {

namespace {

using Kind = UserAction::Kind;

ImVec2 topLeft(const Rect& r) { return ImVec2(static_cast<float>(r.x), static_cast<float>(r.y)); }
ImVec2 bottomRight(const Rect& r) {
  return ImVec2(static_cast<float>(r.x + r.w), static_cast<float>(r.y + r.h));
}

void drawPanelFrame(const LayoutItem& item, const char* label) {
  if (item.frame == PanelFrame::None) return;
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const Rect& r = item.rect;
  const float line = r.y + kPanelHeader / 2 + 0.5f;
  dl->AddRect(ImVec2(r.x + 0.5f, line), ImVec2(r.x + r.w - 0.5f, r.y + r.h - 0.5f),
              ImGui::GetColorU32(ImGuiCol_Border));
  if (item.frame == PanelFrame::Unlabelled) {
    dl->AddRect(ImVec2(r.x + 1.5f, line + 1.0f), ImVec2(r.x + r.w - 1.5f, r.y + r.h - 1.5f),
                ImGui::GetColorU32(ImGuiCol_BorderShadow));
    return;
  }
  if (label[0] == '\0') return;
  const ImVec2 text(static_cast<float>(r.x + kLabelIndent),
                    static_cast<float>(r.y + (kPanelHeader - 13) / 2));
  // Cut the frame line behind the label.
  dl->AddRectFilled(ImVec2(text.x - 2, static_cast<float>(r.y)),
                    ImVec2(text.x + item.labelWidth + 2, static_cast<float>(r.y + kPanelHeader)),
                    ImGui::GetColorU32(ImGuiCol_WindowBg));
  dl->AddText(text, ImGui::GetColorU32(ImGuiCol_Text), label);
}

void drawRadioGroup(const LayoutItem& item, GLUI_RadioGroup& group,
                    std::vector<UserAction>& actions) {
  const auto& buttons = UserActions::buttons(group);
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    ImGui::PushID(i);
    ImGui::SetCursorScreenPos(topLeft(rowRect(item, i)));
    if (ImGui::RadioButton(buttons[i]->get_name(), group.get_int_val() == i)) {
      actions.emplace_back(Kind::Select, &group, i);
    }
    ImGui::PopID();
  }
}

void drawArrowShape(const Rect& r, int direction, bool active, bool hovered) {
  ImDrawList* dl = ImGui::GetWindowDrawList();
  const ImGuiCol bg = active    ? ImGuiCol_ButtonActive
                      : hovered ? ImGuiCol_ButtonHovered
                                : ImGuiCol_Button;
  dl->AddRectFilled(topLeft(r), bottomRight(r), ImGui::GetColorU32(bg));
  dl->AddRect(topLeft(r), bottomRight(r), ImGui::GetColorU32(ImGuiCol_Border));
  const float cx = r.x + r.w * 0.5f;
  const float top = r.y + 2.5f;
  const float bottom = r.y + r.h - 2.5f;
  const ImU32 col = ImGui::GetColorU32(ImGuiCol_Text);
  if (direction > 0) {
    dl->AddTriangleFilled(ImVec2(cx, top), ImVec2(cx + 4, bottom), ImVec2(cx - 4, bottom), col);
  } else {
    dl->AddTriangleFilled(ImVec2(cx - 4, top), ImVec2(cx + 4, top), ImVec2(cx, bottom), col);
  }
}

// One arrow: a press steps, holding repeats (the window's timer), moving the
// pointer while held drags.
void drawArrow(GLUI_Spinner& spinner, const Rect& r, int direction, const char* id,
               std::vector<UserAction>& actions) {
  ImGui::SetCursorScreenPos(topLeft(r));
  ImGui::InvisibleButton(id, ImVec2(static_cast<float>(r.w), static_cast<float>(r.h)));
  const ImGuiIO& io = ImGui::GetIO();
  // With the pointer outside, ImGui's position is -FLT_MAX, which no int
  // holds; no arrow is pressed or dragged then, so any y does.
  const int y = ImGui::IsMousePosValid() ? static_cast<int>(io.MousePos.y) : 0;
  if (ImGui::IsItemActivated()) {
    actions.emplace_back(Kind::ArrowPress, &spinner, direction, y);
  } else if (ImGui::IsItemActive() && io.MouseDelta.y != 0.0f) {
    actions.emplace_back(Kind::ArrowMove, &spinner, 0, y);
  }
  if (ImGui::IsItemDeactivated()) actions.emplace_back(Kind::ArrowRelease, &spinner);
  drawArrowShape(r, direction, ImGui::IsItemActive(), ImGui::IsItemHovered());
}

}  // namespace

void PanelWidgets::draw(const LayoutItem& root, std::vector<UserAction>& actions) {
  drawItem(root, actions);
}

void PanelWidgets::drawItem(const LayoutItem& item, std::vector<UserAction>& actions) {
  GLUI_Control& control = controlOf(item);
  ImGui::PushID(item.control);
  if (item.isPanel) {
    drawPanelFrame(item, control.get_name());
    for (const LayoutItem& child : item.children) drawItem(child, actions);
  } else if (auto* group = dynamic_cast<GLUI_RadioGroup*>(&control)) {
    drawRadioGroup(item, *group, actions);
  } else if (auto* box = dynamic_cast<GLUI_Checkbox*>(&control)) {
    ImGui::SetCursorScreenPos(topLeft(item.rect));
    bool ticked = box->get_int_val() != 0;
    if (ImGui::Checkbox(box->get_name(), &ticked)) actions.emplace_back(Kind::Toggle, box);
  } else if (auto* spinner = dynamic_cast<GLUI_Spinner*>(&control)) {
    drawSpinner(item, *spinner, actions);
  } else if (auto* button = dynamic_cast<GLUI_Button*>(&control)) {
    ImGui::SetCursorScreenPos(topLeft(item.rect));
    const ImVec2 size(static_cast<float>(item.rect.w), static_cast<float>(kRowHeight));
    if (ImGui::Button(button->get_name(), size)) actions.emplace_back(Kind::Press, button);
  }
  ImGui::PopID();
}

void PanelWidgets::drawSpinner(const LayoutItem& item, GLUI_Spinner& spinner,
                               std::vector<UserAction>& actions) {
  const SpinnerParts parts = spinnerParts(item.rect, item.labelWidth);
  ImGui::SetCursorScreenPos(
      ImVec2(static_cast<float>(parts.label.x),
             static_cast<float>(parts.label.y) + ImGui::GetStyle().FramePadding.y));
  ImGui::TextUnformatted(spinner.get_name());

  // While the user edits, the field keeps the typed text; otherwise it shows
  // the value. "editing" is last frame's state: on the frame where a click on
  // another control ends the edit, the typed text must survive to be committed.
  Field& field = fields_[&spinner];
  if (!field.editing) {
    const std::string shown = UserActions::fieldText(spinner);
    std::strncpy(field.text.data(), shown.c_str(), field.text.size() - 1);
  }
  ImGui::SetCursorScreenPos(topLeft(parts.field));
  ImGui::SetNextItemWidth(static_cast<float>(parts.field.w));
  ImGui::InputText("##field", field.text.data(), field.text.size(),
                   ImGuiInputTextFlags_AutoSelectAll);
  field.editing = ImGui::IsItemActive();
  if (ImGui::IsItemDeactivatedAfterEdit()) {
    actions.emplace_back(Kind::Commit, &spinner, 0, 0, field.text.data());
  }
  drawArrow(spinner, parts.up, +1, "##up", actions);
  drawArrow(spinner, parts.down, -1, "##down", actions);
}

}  // namespace glui_detail
