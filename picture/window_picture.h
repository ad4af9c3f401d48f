#ifndef PICTURE_WINDOW_PICTURE_H_
#define PICTURE_WINDOW_PICTURE_H_

// Glue: pictures of GLUT windows as the X server shows them, read back with
// XGetImage, for the session's snapshots and the tests' picture checks.
// Mesa's software driver keeps no readable front buffer, so glReadPixels
// cannot give what a person sees after the last buffer swap.
//
// Does not: draw, swap buffers, or write files (session/png_snapshot.h).

#include <vector>

// Value type: an 8-bit RGB picture, rows from the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // R, G, B per pixel, row after row
};

// Asks the X server to keep a GLUT window's whole picture even where another
// window covers it, so that a grab shows the window and not what lies on it.
// Call before drawing. Leaves that window current.
void keepWindowContents(int glutWindow);

// What the X server shows in a GLUT window's client area, after OpenGL and
// the server have finished; empty (0 by 0) when the server gives no image.
// Leaves that window current.
Picture grabWindow(int glutWindow);

#endif  // PICTURE_WINDOW_PICTURE_H_
