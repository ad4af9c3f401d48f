#ifndef SESSION_SNAPSHOT_H_
#define SESSION_SNAPSHOT_H_

// Pictures of the viewer's windows as the X server shows them, and PNG files
// of them (for the scripted sessions' `snap`).

#include <string>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // 8-bit R, G, B per pixel, rows from the top
};

// Asks the X server to keep a GLUT window's whole picture even where another
// window covers it, so that a grab shows the window and not what lies on it.
void keepWindowContents(int glutWindow);

// What the X server shows in a GLUT window's client area (XGetImage), after
// OpenGL and the server have finished. Leaves that window current.
Picture grabWindow(int glutWindow);

// left and right side by side, tops aligned; black where the shorter one
// leaves room.
Picture sideBySide(const Picture& left, const Picture& right);

// Writes picture to path as a PNG; false with errno set when it cannot.
bool writePng(const std::string& path, const Picture& picture);

#endif  // SESSION_SNAPSHOT_H_
