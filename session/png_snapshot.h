#ifndef SESSION_PNG_SNAPSHOT_H_
#define SESSION_PNG_SNAPSHOT_H_

// PNG files of the viewer's windows for the scripted sessions' `snap`: two
// window pictures (picture/window_picture.h) side by side, written as PNG.

#include <string>

#include "picture/window_picture.h"

// left and right side by side, tops aligned; black where the shorter one
// leaves room.
Picture sideBySide(const Picture& left, const Picture& right);

// Writes picture to path as a PNG; false with errno set when it cannot.
bool writePng(const std::string& path, const Picture& picture);

#endif  // SESSION_PNG_SNAPSHOT_H_
