#ifndef RASTER_DEFAULT_LIGHT_H_
#define RASTER_DEFAULT_LIGHT_H_

// OpenGL's default lighting as the drawing window uses it: GL_LIGHT0 alone,
// never given a parameter, so a white directional light along the eye's +z
// axis (position (0, 0, 1, 0) in eye coordinates) with no ambient part; the
// default material (ambient 0.2, diffuse 0.8, no specular, no emission), the
// light model's ambient 0.2, no local viewer, one-sided; normals taken as
// they come (GL_NORMALIZE is off). Every part is grey, so the result is one
// value for red, green and blue.

constexpr float kLightModelAmbient = 0.2f;
constexpr float kMaterialAmbient = 0.2f;
constexpr float kMaterialDiffuse = 0.8f;
constexpr float kLightDiffuse = 1.0f;

// The lit colour, 0..1, of a corner whose eye-space normal has z component
// eyeNormalZ: ambient 0.2 x 0.2 plus diffuse 0.8 x max(0, N . (0, 0, 1)),
// clamped to 1. Faces seen from behind get the same formula with the same
// normal (no two-sided lighting), so they show the ambient part alone.
float defaultLightGrey(float eyeNormalZ);

#endif  // RASTER_DEFAULT_LIGHT_H_
