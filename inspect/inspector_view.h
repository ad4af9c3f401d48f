#ifndef INSPECT_INSPECTOR_VIEW_H_
#define INSPECT_INSPECTOR_VIEW_H_

// The inspector's contents, drawn with Dear ImGui into the current ImGui
// window: the camera and the last drag step, then OpenGL's and Corvane's
// model-view and projection side by side (rows as in mathematics, as the
// reports print them), every pair of cells marked by how they match, and
// what each pair is expected to show. Hovering a projection cell explains it.
// Calls ImGui only: no GL, no GLUT.

#include "inspect/inspector_snapshot.h"

void drawInspector(const InspectorSnapshot& snapshot);

#endif  // INSPECT_INSPECTOR_VIEW_H_
