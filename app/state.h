#ifndef APP_STATE_H_
#define APP_STATE_H_

// The application's shared state: plain globals with static storage, read and
// written directly by the handlers. The panel's controls write the
// panel-controlled ones themselves, as live variables.
//
// Units: fields of view in degrees, distances in world units, rotateStep in
// radians, mouse positions in window pixels (y from the top).

#include "camera/camera.h"
#include "camera/vector3.h"

// GLUT ids of the windows that show the scene; one entry, the drawing window.
constexpr int kSceneWindowCount = 1;
extern int windowIds[kSceneWindowCount];

extern int renderMode;         // 0 points, 1 wireframe, 2 solid
extern int lightOn;            // lighting is on when not 0
extern int cullBackFaces;      // whether GL_CULL_FACE is wanted in the drawing window
extern int subdivisions;       // subdivision depth of the icosahedron, 1..8
extern float hfov;             // horizontal field of view, 10..180
extern float vfov;             // vertical field of view, 10..180
extern float nearPlane;        // near clipping distance
extern float farPlane;         // far clipping distance
extern int navigationMode;     // 0 translate, 1 rotate
extern int activeAxis;         // 0 X (u), 1 Y (v), 2 Z (n)
extern int lookAtObject;       // when not 0, drag translations re-aim at objectCenter
extern int rotateAboutObject;  // when not 0, drag rotations pivot on objectCenter
extern Vector3 objectCenter;   // target of Look at Object and pivot of rotations
extern float translateStep;    // scale of a drag translation
extern float rotateStep;       // scale of a drag rotation
extern int lastMouseX;
extern int lastMouseY;
extern Camera camera;

#endif  // APP_STATE_H_
