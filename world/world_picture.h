#ifndef WORLD_WORLD_PICTURE_H_
#define WORLD_WORLD_PICTURE_H_

// One frame of the world view: the scene, the camera and its viewing volume
// seen by the observer. Draws into whatever GL context is current and reads
// the application state (camera, fields of view, clipping distances, render
// mode, lighting, culling, depth) without changing it.
//
// What it draws, in world units: a faint grid every 0.5 in the ground plane
// y = 0 out to 3 either way; the world axes from -1.5 to 1.5 (x red,
// y green, z blue) with a tick at 1 and their letters past the ends; the unit
// sphere at min(subdivisions, kWorldMaxDepth), in the panel's render mode,
// lit (when lighting is on) from the camera's side as OpenGL's default light
// lights it in the drawing window; the camera's eye as a yellow point, u, v,
// n as arrows of kAxisArrowLength in magenta, cyan and lavender with their
// letters past the tips, and the viewing direction -n as a yellow arrow of
// length 1; the viewing volume in orange (near rectangle solid, side edges,
// the cut end stippled) up to kFrustumCut from the eye, with an orange square
// labelled "near" around the near rectangle, which is only a few pixels
// across; and captions in the window's corners.

#include "world/frustum.h"
#include "world/observer.h"

constexpr int kWorldMaxDepth = 3;
constexpr float kAxisArrowLength = 0.5f;
constexpr float kFrustumCut = 4.0f;
// The observer's own lens: vertical field of view in degrees.
constexpr double kObserverFov = 40.0;

// Draws a whole frame over the viewport (0, 0, width, height), without the
// buffer swap. Leaves the observer's projection and model-view loaded, so
// gluProject with them finds any world point in the picture.
void drawWorldPicture(const Observer& observer, int width, int height);

// The caption about the viewing volume: its true near and far distances and
// where the drawing cuts it, or why none is drawn. Writes at most size bytes.
void frustumCaption(const Frustum& frustum, float nearPlane, float farPlane, char* out, int size);

#endif  // WORLD_WORLD_PICTURE_H_
