#ifndef SCENE_VIEW_H_
#define SCENE_VIEW_H_

// GLUT display and reshape callbacks of the drawing window.

#include "camera/camera.h"

// Draws one frame: OpenGL's model-view matrix becomes the camera's look-at
// (eye, eye - n, up v; u plays no part), then the icosphere is drawn and the
// buffers swapped. Expects GL_MODELVIEW to be the current matrix mode.
void display();

// Functions run at the end of every display, right after the buffer swap,
// with the drawing window's context still current: the opt-in extra windows
// read the frame's matrices there and ask for their own redraw. None is
// registered by default, so a plain start makes no call of its own here. At
// most kMaxFrameListeners; a listener must not change the drawing window's
// GL state or GLUT's current window.
using FrameListener = void (*)();
constexpr int kMaxFrameListeners = 4;
void addFrameListener(FrameListener listener);

// Viewport to the whole client area (width x height pixels); projection to
// gluPerspective(vfov, hfov / vfov, nearPlane, farPlane), so the window's
// shape never changes the aspect; then the identity model-view, left current,
// and the Corvane projection rebuilt to match. A window larger than
// kMaxWindowSide either way is sized back instead, and display draws nothing
// until it fits (scene/window_limit.h).
void reshape(int width, int height);

// Asks GLUT for a new frame of every scene window (each becomes current in
// turn, so the last one stays current).
void redisplaySceneWindows();

// Replaces OpenGL's projection with gluPerspective(vfov, hfov / vfov,
// nearPlane, farPlane), every argument in double, leaves GL_MODELVIEW current
// (its matrix untouched) and rebuilds the Corvane projection to match. Shared
// by reshape and the field-of-view spinners.
void loadFieldOfViewProjection();

// The two GLU calls by which the drawing window builds its matrices, on the
// current matrix of the current context: gluLookAt(eye, eye - n, v) of the
// camera and gluPerspective(vfov, hfov / vfov, near, far), every argument
// widened to double (fields of view in degrees). display and
// loadFieldOfViewProjection make them; OpenGL's side of a vertex trace makes
// them in a context of its own, so its matrices are the drawing window's.
void multiplyLookAt(const Camera& view);
void multiplyPerspective(float hfovDegrees, float vfovDegrees, float nearDistance,
                         float farDistance);

#endif  // SCENE_VIEW_H_
