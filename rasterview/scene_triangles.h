#ifndef RASTERVIEW_SCENE_TRIANGLES_H_
#define RASTERVIEW_SCENE_TRIANGLES_H_

#include "raster/raster_frame.h"

// Hands the scene's triangles to Corvane's rasterizer in the order, with the
// corners and normals, the drawing window sends them to OpenGL: the unit
// sphere's 20 icosahedron faces split depth times by the icosphere's own
// midpoint and normalizePoint arithmetic, each corner its own normal.
void rasterSphere(RasterFrame& frame, int depth);

// The scene as the drawing window draws it: the loaded mesh (sceneMesh),
// triangle by triangle with its normals, when there is one, otherwise the
// sphere at depth.
void rasterScene(RasterFrame& frame, int depth);

// The drawing window's frame at width by height pixels, drawn by Corvane into
// image: the scene at the subdivisions, from corvaneLookAt through
// corvaneProjection, in the render mode, light and culling the panel holds.
void rasterCurrentFrame(RasterFrame& frame, RasterImage* image, int width, int height);

#endif  // RASTERVIEW_SCENE_TRIANGLES_H_
