#ifndef SCENE_ICOSPHERE_H_
#define SCENE_ICOSPHERE_H_

// The scene's only object: a unit sphere centred on the origin, drawn as a
// regular icosahedron whose faces are split recursively and whose new corners
// are pushed out onto the sphere.
//
// Points are plain arrays of three floats (x, y, z). Triangles are wound
// counter-clockwise seen from outside the sphere, so all of them are OpenGL
// front faces under the default GL_CCW rule. Nothing is cached: every frame
// regenerates the triangles in immediate mode, on the stack.

// The two coordinates of the base icosahedron, 1 / sqrt(1 + phi^2) and
// phi / sqrt(1 + phi^2) rounded to float (phi the golden ratio).
extern const float icoShort;
extern const float icoLong;

extern const float icosahedronVertices[12][3];
// Vertex indices of the 20 faces, each counter-clockwise seen from outside.
extern const int icosahedronFaces[20][3];

// Draws one whole frame from renderMode, lightOn and subdivisions: sets the
// polygon mode and lighting, clears colour and depth, draws the 20 faces split
// `subdivisions` times, and swaps the buffers. Expects the model-view matrix
// to be set already.
void drawIcosphere();

// The frame's start, shared with the mesh's frame (scene/mesh_frame.h): the
// polygon mode from renderMode, lighting from lightOn, the clear of colour
// and depth, and the white colour.
void beginSceneFrame();

// Draws the triangle (p1, p2, p3) split `depth` times: 4^depth triangles,
// depth-first, each corner child before the next and the centre child last.
// A depth of 0 or less draws the triangle unsplit.
void subdivide(const float* p1, const float* p2, const float* p3, int depth);

// Sends one triangle; each corner's normal is the corner itself, which on the
// unit sphere is the outward unit normal.
void drawTriangle(const float* p1, const float* p2, const float* p3);

// The point halfway between a and b, not yet pushed out onto the sphere;
// subdivide makes each new corner as midpoint, then normalizePoint.
void midpoint(const float* a, const float* b, float* out);

// Scales p in place to unit length. A zero point is reported on standard error
// ("Zero length vector") and left as it is.
void normalizePoint(float* p);

#endif  // SCENE_ICOSPHERE_H_
