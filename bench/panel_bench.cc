#include "bench/panel_bench.h"

// Before Xlib, whose macros (None among them) would clash with their names.
#include "app/panel.h"
#include "glui/glui_ext.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace bench {
namespace {

constexpr char kPanelTitle[] = "Tavrin Assignment 3";
constexpr int kWarmUp = 5;

// Two pointer positions in the panel, from where the panel window put its
// controls: halfway into the window's margin, and the middle of the first
// radio button's circle ("Points", at the top of the first framed panel). A
// move between them changes what is hovered, so each one redraws the panel.
struct HoverPoints {
  glui_ext::Point margin;
  glui_ext::Point control;
};

bool findHoverPoints(HoverPoints& points) {
  const auto places = glui_ext::controlPlaces(controlPanel->get_glut_window_id());
  if (places.empty()) return false;
  const glui_ext::Rect& top = places.front().rect;  // the window's top level
  points.margin = glui_ext::Point{top.x / 2, top.y / 2};
  for (const auto& place : places) {
    if (place.kind != glui_ext::ControlKind::Radio) continue;
    const glui_ext::Rect& row = place.rect;  // the circle is a square row.h wide
    points.control = glui_ext::Point{row.x + row.h / 2, row.y + row.h / 2};
    return true;
  }
  return false;
}

// The panel's X window, found by its title among the top-level windows (the
// toolkit keeps its GLUT id to itself).
Window findTopLevel(Display* display, const char* title) {
  Window root;
  Window parent;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    return 0;
  }
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name != nullptr) {
      if (std::strcmp(name, title) == 0) found = children[i];
      XFree(name);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

// An Expose of the whole window: GLUT redraws it, one panel frame.
void sendExpose(Display* display, Window window) {
  XEvent event{};
  event.xexpose.type = Expose;
  event.xexpose.window = window;
  event.xexpose.width = 1;
  event.xexpose.height = 1;
  XSendEvent(display, window, False, ExposureMask, &event);
  XSync(display, False);
}

// The pointer moving over the window with no button held.
void sendMotion(Display* display, Window window, int x, int y) {
  XEvent event{};
  event.xmotion.type = MotionNotify;
  event.xmotion.window = window;
  event.xmotion.root = DefaultRootWindow(display);
  event.xmotion.x = x;
  event.xmotion.y = y;
  event.xmotion.same_screen = True;
  XSendEvent(display, window, False, PointerMotionMask, &event);
  XSync(display, False);
}

// One round of GLUT's loop: the pending events, then the redraws they asked
// for, with its allocations added to total.
void countLoopRound(AllocationCount& total) {
  startCountingAllocations();
  glutMainLoopEvent();
  const AllocationCount round = stopCountingAllocations();
  total.total += round.total;
  total.executable += round.executable;
  total.libraries += round.libraries;
}

}  // namespace

void settleWindows() {
  for (int round = 0; round < 50; ++round) {
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

PanelAllocations countPanelAllocations(int count) {
  PanelAllocations result;
  Display* display = glXGetCurrentDisplay();
  const Window panel = display != nullptr ? findTopLevel(display, kPanelTitle) : 0;
  HoverPoints points;
  if (panel == 0 || !findHoverPoints(points)) return result;

  AllocationCount ignored;
  for (int i = 0; i < kWarmUp; ++i) {
    sendExpose(display, panel);
    countLoopRound(ignored);
  }
  for (int i = 0; i < count; ++i) {
    sendExpose(display, panel);
    countLoopRound(result.frameTotal);
  }
  result.frames = count;

  for (int i = 0; i < kWarmUp + count; ++i) {
    const bool onControl = i % 2 == 0;
    const glui_ext::Point at = onControl ? points.control : points.margin;
    sendMotion(display, panel, at.x, at.y);
    countLoopRound(i < kWarmUp ? ignored : result.eventTotal);
  }
  result.events = count;
  return result;
}

}  // namespace bench
