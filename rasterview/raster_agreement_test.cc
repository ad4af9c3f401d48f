// Corvane's picture against OpenGL's (Mesa's llvmpipe on the test display),
// frame by frame: the drawing window's own reshape and display draw the
// sphere, its back buffer is read after the swap as the "Corvane Raster"
// window reads it, and Corvane's rasterizer draws the same frame as that
// window has it drawn (rasterCurrentFrame).
//
// At every camera pose below, at depths 1 to 5, in each render mode, with
// and without light and culling, the pixels of either picture that differ
// from the other's pixel at the same place by more than 2 levels and match
// none of the other's 3 by 3 neighbourhood are counted: there is none. The
// pixels that differ in place stay under 0.5 % of the window.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/state.h"
#include "corvane/corvane.h"
#include "mesh/mesh.h"
#include "mesh/mesh_reader.h"
#include "raster/picture_compare.h"
#include "raster/raster_frame.h"
#include "rasterview/scene_triangles.h"
#include "scene/view.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

constexpr int kSize = 400;
// The sanitizer build looks for memory faults, not for more agreement: it
// draws the shallow depths only, where every code path is already taken.
#ifdef VIEWER_SANITIZED_BUILD
constexpr int kDeepest = 2;
#else
constexpr int kDeepest = 5;
#endif
constexpr double kPi = 3.14159265358979323846;

struct Pose {
  const char* name;
  Camera camera;
};

Camera reset() {
  Camera c;
  c.reset();
  return c;
}

// The tour's stops (start; 1 unit right; then 10 degrees of yaw; circling
// with Look at Object) and three harder views: the near plane cutting the
// sphere, the eye inside it, the sphere half out of the window.
std::vector<Pose> poses() {
  const Vector3 centre(0, 0, 0);
  std::vector<Pose> list;
  list.push_back({"start", reset()});
  Camera right = reset();
  right.translate(1.0f, 0, 0, 0, centre);
  list.push_back({"translate-x", right});
  Camera yawed = right;
  yawed.yaw(static_cast<float>(10.0 * kPi / 180.0));
  list.push_back({"rotate-y", yawed});
  Camera circled = reset();
  circled.translate(1.0f, 0, 0, 1, centre);
  list.push_back({"look-at-object", circled});
  Camera close = reset();
  close.translate(0, 0, -1.45f, 0, centre);  // eye at z = 1.05, near plane at 0.95
  list.push_back({"near-cut", close});
  Camera insideSphere = reset();
  insideSphere.translate(0.2f, 0.1f, -2.3f, 0, centre);
  list.push_back({"inside", insideSphere});
  Camera beside = reset();
  beside.translate(1.6f, -0.9f, 0, 0, centre);
  list.push_back({"beside", beside});
  return list;
}

std::vector<std::uint8_t> openGlPicture() {
  std::vector<std::uint8_t> rgba(4 * kSize * kSize);
  glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  std::vector<std::uint8_t> rgb(3 * kSize * kSize);
  for (int i = 0; i < kSize * kSize; ++i) {
    for (int k = 0; k < 3; ++k) rgb[3 * i + k] = rgba[4 * i + k];
  }
  return rgb;
}

// Draws the current state in both pipelines and compares the pictures.
PictureComparison compareFrame(RasterFrame& frame, RasterImage& corvane) {
  if (cullBackFaces != 0) {
    glEnable(GL_CULL_FACE);
  } else {
    glDisable(GL_CULL_FACE);
  }
  display();
  // Both pictures start from the same matrix, to the bit.
  EXPECT_TRUE(testsupport::sameBits(testsupport::modelViewMatrix(), corvaneLookAt));
  const std::vector<std::uint8_t> openGl = openGlPicture();
  rasterCurrentFrame(frame, &corvane, kSize, kSize);
  return comparePictures(corvane.rgb.data(), openGl.data(), kSize, kSize, 0, kSize - 1);
}

void startDrawing() {
  testsupport::createGlWindow("raster agreement", kSize, kSize);
  glClearColor(0, 0, 0, 0);
  glEnable(GL_DEPTH_TEST);
  hfov = vfov = 60.0f;
  reshape(kSize, kSize);
}

// At the pose and depth already set, in each render mode, with and without light and culling.
void expectAgreementInEachMode(RasterFrame& frame, RasterImage& corvane) {
  for (int mode = 0; mode < 3; ++mode) {
    for (int light = 0; light < 2; ++light) {
      for (int cull = 0; cull < 2; ++cull) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << mode << " light " << light << " cull " << cull);
        renderMode = mode;
        lightOn = light;
        cullBackFaces = cull;
        const PictureComparison c = compareFrame(frame, corvane);
        EXPECT_EQ(c.unmatched, 0);
        EXPECT_LT(c.differing, kSize * kSize / 200);
      }
    }
  }
}

TEST(RasterAgreementTest, CorvanesPictureMatchesOpenGlsAtEveryPoseDepthModeLightAndCulling) {
  startDrawing();
  sceneMesh = nullptr;
  RasterFrame frame;
  RasterImage corvane;
  for (const Pose& pose : poses()) {
    camera = pose.camera;
    updateCorvaneLookAt(camera);
    for (int depth = 1; depth <= kDeepest; ++depth) {
      SCOPED_TRACE(testing::Message() << pose.name << " depth " << depth);
      subdivisions = depth;
      expectAgreementInEachMode(frame, corvane);
    }
  }
}

// Each shipped mesh from the start view and after the tour's yaw.
TEST(RasterAgreementTest, CorvanesPictureOfEachShippedMeshMatchesOpenGls) {
  startDrawing();
  RasterFrame frame;
  RasterImage corvane;
  for (const char* name : {"letter_f.obj", "cut_cube.obj", "torus.obj"}) {
    Mesh mesh;
    const MeshReadResult read =
        readMesh(std::string(VIEWER_SOURCE_DIR "/docs/meshes/") + name, &mesh);
    ASSERT_TRUE(read.ok) << read.error;
    sceneMesh = &mesh;
    for (const Pose& pose : poses()) {
      if (std::string(pose.name) != "start" && std::string(pose.name) != "rotate-y") continue;
      SCOPED_TRACE(testing::Message() << name << " " << pose.name);
      camera = pose.camera;
      updateCorvaneLookAt(camera);
      expectAgreementInEachMode(frame, corvane);
    }
  }
  sceneMesh = nullptr;
}

}  // namespace
