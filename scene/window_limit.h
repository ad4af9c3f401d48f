#ifndef SCENE_WINDOW_LIMIT_H_
#define SCENE_WINDOW_LIMIT_H_

// Keeps a GLUT window within the size the software GL stack can draw.
//
// Mesa's software driver hands every frame to the X server as one image of
// the whole window, 4 bytes a pixel; from 2 GiB on, the X library overflows
// and aborts the process in the buffer swap. The limit is 16384 pixels a
// side: the largest viewport that driver sets (GL_MAX_VIEWPORT_DIMS), so a
// larger window could not be drawn whole anyway, and a 16384 x 16384 frame
// is 1 GiB.
constexpr int kMaxWindowSide = 16384;

// One window's guard. While `oversized`, the window is larger than the limit
// and has been asked to shrink; its display handler draws nothing until a
// reshape within the limit arrives.
struct WindowLimit {
  const char* name;  // in the note, e.g. "drawing window"
  bool oversized = false;
  bool noted = false;  // the note goes to standard error once
};

// The first step of a reshape handler, run with that window current. A size
// within the limit returns true at once and makes no call, unless the window
// was oversized: then the GL driver is made to read the window's size again
// first. A larger size returns false (the handler returns too): the window is
// sized back to the limit with glutReshapeWindow and, the first time,
// "viewer: the <name> is limited to 16384 x 16384 pixels" goes to standard
// error.
bool reshapeWithinLimit(WindowLimit& limit, int width, int height);

#endif  // SCENE_WINDOW_LIMIT_H_
