#include "app/state.h"

// Start values before main; buildControlPanel sets the panel's own start
// selections. Definition order is initialisation order: objectCenter (left in
// zeroed storage), then camera, whose constructor resets it.
int windowIds[kSceneWindowCount];
int renderMode;
int lightOn;
int cullBackFaces;
int subdivisions = 1;
float hfov = 60.0f;
float vfov = 60.0f;
float nearPlane = 0.1f;
float farPlane = 1000.0f;
int navigationMode;
int activeAxis;
int lookAtObject;
int rotateAboutObject;
Vector3 objectCenter;
float translateStep = 0.1f;
float rotateStep = 0.08726639f;  // 5 degrees, nine float ulps short of 5*pi/180
int lastMouseX;
int lastMouseY;
Camera camera;
