#ifndef PICTURE_WINDOW_PICTURE_H_
#define PICTURE_WINDOW_PICTURE_H_

// Glue: pictures of GLUT windows, each with its own contents, read back with
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

// Asks the X server to keep a GLUT window's whole picture apart from the
// screen (Composite's automatic redirection; backing store where the server
// has no Composite), so that a grab shows the window and not what lies on it.
// Call before drawing. Leaves that window current.
void keepWindowContents(int glutWindow);

// A GLUT window's own client area, after OpenGL and the server have
// finished: its Composite pixmap, or, without Composite, what the screen
// shows of it; empty (0 by 0) when the server gives no image.
// Leaves that window current.
Picture grabWindow(int glutWindow);

#endif  // PICTURE_WINDOW_PICTURE_H_
