#ifndef RASTERVIEW_RASTER_WINDOW_H_
#define RASTERVIEW_RASTER_WINDOW_H_

// The opt-in "Corvane Raster" window (viewer --raster): Corvane's own
// picture of every frame the drawing window draws, OpenGL's picture of the
// same frame, or where the two differ, with a caption counting the pixels
// that differ.
//
// After each frame of the drawing window (a frame listener) Corvane's
// rasterizer draws the scene from corvaneLookAt and corvaneProjection with
// the panel's render mode, lighting, culling and depth, at the drawing
// window's size, and OpenGL's picture is read back from the drawing window
// (glReadPixels of its back buffer, which holds the frame just swapped: the
// one call this window adds to the drawing window's context). The window
// takes the drawing window's size whenever that changes. It redraws after
// those frames and after its own keys, and at no other time.

#include "rasterview/raster_caption.h"

// Opens the window with its own GL context, the drawing window's size,
// below the control panel so that it covers neither it nor the drawing
// window, and registers it to follow the drawing window's frames. Call once,
// after startViewer() and before glutMainLoop(); GLUT's current window is
// the same on return as before. Closing it closes only it. Returns its GLUT
// id.
int openRasterWindow();

// Shows a view, as its key does; nothing when the window is closed.
void showRasterView(RasterView view);

#endif  // RASTERVIEW_RASTER_WINDOW_H_
