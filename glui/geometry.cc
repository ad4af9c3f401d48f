#include "glui/geometry.h"

#include <algorithm>

namespace glui_detail {

int checkboxWidth(int textWidth) { return kBoxSize + kInnerGap + textWidth; }

int spinnerWidth(int labelWidth) { return labelWidth + kInnerGap + kFieldWidth + kArrowWidth; }

int buttonWidth(int textWidth) { return std::max(kButtonMinWidth, textWidth + 2 * kButtonTextPad); }

namespace {

bool framed(const LayoutItem& item) { return item.isPanel && item.frame != PanelFrame::None; }

int naturalWidth(const LayoutItem& item) {
  int w = 0;
  if (!item.isPanel) {
    for (int r : item.rowWidths) w = std::max(w, r);
    return w;
  }
  for (const LayoutItem& c : item.children) w = std::max(w, naturalWidth(c));
  if (!framed(item)) return w;
  if (item.frame == PanelFrame::Labelled) w = std::max(w, item.labelWidth);
  return w + 2 * kPanelInset;
}

int height(const LayoutItem& item);

// Items of zero height (an empty radio group) take no row and no gap.
int stackHeight(const std::vector<LayoutItem>& items) {
  int h = 0;
  for (const LayoutItem& c : items) {
    const int ch = height(c);
    if (ch == 0) continue;
    h += (h > 0 ? kGap : 0) + ch;
  }
  return h;
}

int height(const LayoutItem& item) {
  if (!item.isPanel) {
    const int rows = static_cast<int>(item.rowWidths.size());
    return rows == 0 ? 0 : rows * kRowHeight + (rows - 1) * kGap;
  }
  const int content = stackHeight(item.children);
  if (!framed(item)) return content;
  return kPanelHeader + (content > 0 ? kGap + content : 0) + kPanelInset;
}

void place(LayoutItem& item, int x, int y, int availableWidth) {
  const int w = item.isPanel ? availableWidth : naturalWidth(item);
  item.rect = Rect{x, y, w, height(item)};
  if (!item.isPanel) return;
  int cx = x;
  int cy = y;
  int cw = availableWidth;
  if (framed(item)) {
    cx += kPanelInset;
    cy += kPanelHeader + kGap;
    cw -= 2 * kPanelInset;
  }
  for (LayoutItem& c : item.children) {
    place(c, cx, cy, cw);
    if (c.rect.h > 0) cy += c.rect.h + kGap;
  }
}

}  // namespace

Size layoutWindow(LayoutItem& root) {
  const int w = naturalWidth(root);
  place(root, kMargin, kMargin, w);
  return Size{w + 2 * kMargin, root.rect.h + 2 * kMargin};
}

Rect rowRect(const LayoutItem& control, int row) {
  const int w = row < static_cast<int>(control.rowWidths.size()) ? control.rowWidths[row] : 0;
  return Rect{control.rect.x, control.rect.y + row * (kRowHeight + kGap), w, kRowHeight};
}

SpinnerParts spinnerParts(const Rect& row, int labelWidth) {
  SpinnerParts p;
  p.label = Rect{row.x, row.y, labelWidth, kRowHeight};
  p.field = Rect{row.x + labelWidth + kInnerGap, row.y, kFieldWidth, kRowHeight};
  const int ax = p.field.x + kFieldWidth;
  p.up = Rect{ax, row.y, kArrowWidth, kArrowUpHeight};
  p.down = Rect{ax, row.y + kArrowUpHeight, kArrowWidth, kRowHeight - kArrowUpHeight};
  return p;
}

Point placeBeside(const Rect& mainWindow, int border) {
  return Point{mainWindow.x + mainWindow.w + 2 * border + kWindowGap, mainWindow.y};
}

}  // namespace glui_detail
