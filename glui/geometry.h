#ifndef GLUI_GEOMETRY_H_
#define GLUI_GEOMETRY_H_

// The fixed layout of a panel window. All numbers are window pixels with the
// origin at the top-left corner of the window's client area and y going
// down. Text widths come from the caller (Dear ImGui's default font is 7
// pixels per character).
//
// Rules: the window's top-level controls stack from (kMargin, kMargin).
// Inside a container, items stack top to bottom in the order added, kGap
// apart. Every control row is kRowHeight tall. A framed panel has a header
// row (its label sits on the frame's top line), then its content indented by
// kPanelInset on the left, right and bottom. Panels stretch to the width of
// their container; controls keep their natural width, left-aligned.

#include <vector>

class GLUI_Control;

namespace glui_detail {

constexpr int kMargin = 8;
constexpr int kRowHeight = 19;  // 13 px text plus 3 px padding above and below
constexpr int kGap = 4;
constexpr int kPanelHeader = 19;  // frame line at y + kPanelHeader / 2
constexpr int kPanelInset = 8;
constexpr int kLabelIndent = 8;    // panel label from the panel's left edge
constexpr int kBoxSize = 19;       // check box and radio circle, square
constexpr int kInnerGap = 4;       // box to its label, spinner label to field
constexpr int kFieldWidth = 64;    // spinner edit field
constexpr int kArrowWidth = 14;    // spinner arrows, right of the field
constexpr int kArrowUpHeight = 9;  // up arrow: top 9 rows; down arrow: the other 10
constexpr int kButtonMinWidth = 100;
constexpr int kButtonTextPad = 4;  // each side of a button's label
constexpr int kWindowGap = 8;      // between the main window and a panel placed beside it

// Value type: a rectangle; x, y is its top-left pixel, w by h its size.
struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// Value type: a width and height in pixels.
struct Size {
  int w = 0;
  int h = 0;
};

enum class PanelFrame { None, Labelled, Unlabelled };

// One node of the layout: a panel with children, or a control made of rows
// (a radio group has one row per button). The caller fills the inputs;
// layoutWindow fills rect.
struct LayoutItem {
  bool isPanel = false;
  PanelFrame frame = PanelFrame::None;
  int labelWidth = 0;          // panel label, or spinner label
  std::vector<int> rowWidths;  // a control's rows, natural widths
  std::vector<LayoutItem> children;
  GLUI_Control* control = nullptr;  // the control this item draws
  Rect rect;
};

// Natural widths of the controls, from their label's text width.
int checkboxWidth(int textWidth);  // also a radio button
int spinnerWidth(int labelWidth);
int buttonWidth(int textWidth);

// Places root (the window's top level, normally an unframed panel) and every
// item below it; returns the window size that fits them.
Size layoutWindow(LayoutItem& root);

// Row i of a control.
Rect rowRect(const LayoutItem& control, int row);

// The parts of a spinner row.
struct SpinnerParts {
  Rect label;
  Rect field;
  Rect up;
  Rect down;
};
SpinnerParts spinnerParts(const Rect& row, int labelWidth);

// Value type: a position in pixels.
struct Point {
  int x = 0;
  int y = 0;
};
// Screen position of a panel window placed beside a main window whose client
// area is mainWindow; border is the window frame's side width (0 without a
// window manager). Right of it, kWindowGap apart, top-aligned.
Point placeBeside(const Rect& mainWindow, int border);

}  // namespace glui_detail

#endif  // GLUI_GEOMETRY_H_
