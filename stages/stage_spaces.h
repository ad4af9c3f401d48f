#ifndef STAGES_STAGE_SPACES_H_
#define STAGES_STAGE_SPACES_H_

// Where the "Pipeline Stages" window draws things: the scene's vertices and
// the viewing volume in one of the pipeline's spaces, fitted into a box of
// kFitHalfSize about the origin, and the morph from the eye-space frustum to
// the NDC cube; and the numbers of the depth plot. No GL: the stage results
// come from Corvane's pipeline (corvane/pipeline.h).
//
// Display frame: x right and y up as in every space; the third axis is drawn
// so that "away from the camera" points the same way in every space. Eye
// space is drawn as it is (the camera looks along -z); clip, NDC and window
// z, which grow away from the camera, are drawn negated. Window space is
// drawn with its depth (0..1) stretched to half the larger side of the
// viewport, so the box is not flat. Each space is then fitted: the drawn
// volume's bounding box is centred on the origin and scaled uniformly so
// its largest side is 2 * kFitHalfSize.

#include <type_traits>

#include "camera/vector3.h"
#include "corvane/matrix4.h"
#include "corvane/pipeline.h"

enum class Space { kEye = 0, kClip = 1, kNdc = 2, kWindow = 3 };
constexpr int kSpaceCount = 4;
extern const char* const kSpaceNames[kSpaceCount];  // "eye", "clip", "NDC", "window"

constexpr float kFitHalfSize = 1.5f;

// The eye distance up to which the volume is drawn in eye and clip space:
// the far distance when it is 6 or less; else 4, or twice the near distance
// when that is more (but never beyond the far plane), so that the sphere at
// the start distance fills the picture.
float drawnDepth(float nearPlane, float farPlane);

// A point of a trace in a space, in the display frame, before fitting.
Vector3 inSpace(const CorvaneTrace& trace, Space space);

// The uniform scale and the centre that fit a space's drawn volume.
struct Fit {
  float depthStretch;  // the third coordinate is first multiplied by this
  Vector3 centre;
  float scale;
};
static_assert(std::is_trivially_copyable_v<Fit>);

Vector3 fitted(const Fit& fit, Vector3 p);

// The viewing volume's 12 edges, each sampled at kEdgeSamples + 1 points
// between eye distances near and toDistance (the NDC cube's edges are
// straight, but the morph bends them on the way), as traces of eye-space
// points. Eye and clip space and the morph draw the volume to drawnDepth,
// NDC and window space draw all of it, to the far plane.
constexpr int kVolumeEdges = 12;
constexpr int kEdgeSamples = 16;
struct VolumeSamples {
  CorvaneTrace points[kVolumeEdges][kEdgeSamples + 1];
};

// The samples of the volume for the projection and viewport; eye space is
// where the samples start, so lookAt plays no part.
void sampleVolume(const Matrix4& projection, Viewport viewport, float hfov, float vfov,
                  float nearPlane, float toDistance, VolumeSamples* out);

// The fit of a space's drawn volume.
Fit fitOf(const VolumeSamples& volume, Space space);

// The morph at t (0: the eye-space frustum, 1: the NDC cube), each fitted in
// its own space and the two positions blended linearly.
Vector3 morphed(const CorvaneTrace& trace, const Fit& eyeFit, const Fit& ndcFit, float t);

// The depth plot: window depth against eye distance, and the part of the
// depth range the sphere (unit radius, centred on the origin) covers.
struct DepthUse {
  float nearestDistance;   // eye distance of the sphere's nearest point
  float farthestDistance;  // and of its farthest
  float nearestDepth;      // their window depths, clamped to 0..1
  float farthestDepth;
  float fraction;  // farthestDepth - nearestDepth: the share of 0..1 used
};
static_assert(std::is_trivially_copyable_v<DepthUse>);

// The window depth of the eye-space point at distance d straight ahead.
float depthAtDistance(const Matrix4& projection, Viewport viewport, float d);

DepthUse depthUse(const Matrix4& lookAt, const Matrix4& projection, Viewport viewport);

#endif  // STAGES_STAGE_SPACES_H_
