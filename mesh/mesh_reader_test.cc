// The mesh reader on small files written here: what a good file gives, and
// the one line each kind of bad file gets.
#include "mesh/mesh_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string folder() {
  static const std::string made = [] {
    char name[] = "/tmp/mesh_reader_test.XXXXXX";
    const char* dir = mkdtemp(name);
    return std::string(dir != nullptr ? dir : "/tmp");
  }();
  return made;
}

std::string write(const std::string& name, const std::string& text) {
  const std::string path = folder() + "/" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

const char kTriangle[] = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

TEST(MeshReaderTest, BadFilesGetOneLineNamingTheFileAndLineAndLeaveTheMeshAlone) {
  std::string huge = kTriangle;
  huge += "f";
  for (long k = 0; k < kMaxMeshTriangles + 3; ++k) huge += " 1";
  huge += "\n";
  const struct {
    std::string name, text, error;
  } cases[] = {
      {"none.obj", "", "none.obj: no triangles: no face has 3 or more corners"},
      {"text.obj", "# a note\nhello world\n", "text.obj:2: not a Wavefront OBJ statement: 'hello'"},
      {"binary.obj", std::string("\x89PNG\r\n\x1a\n", 8),
       "binary.obj:1: not a Wavefront OBJ statement: '?PNG'"},
      {"vertex.obj", std::string(kTriangle) + "f 1 2 4\n",
       "vertex.obj:4: face corner '4' names no vertex: 3 defined so far"},
      {"back.obj", std::string(kTriangle) + "f -1 -2 -4\n",
       "back.obj:4: face corner '-4' names no vertex: 3 defined so far"},
      {"normal.obj", std::string(kTriangle) + "vn 0 0 1\nf 1//1 2//2 3//1\n",
       "normal.obj:5: face corner '2//2' names no normal: 1 defined so far"},
      {"nan.obj", "v 0 nan 0\n", "nan.obj:1: vertex coordinate 'nan' is not a finite number"},
      {"inf.obj", std::string(kTriangle) + "vn 0 0 -inf\n",
       "inf.obj:4: normal coordinate '-inf' is not a finite number"},
      {"short.obj", "v 0 0\n", "short.obj:1: a vertex needs x, y and z"},
      {"line.obj", std::string(kTriangle) + "f 1 2\n",
       "line.obj:4: a face needs at least 3 corners"},
      {"huge.obj", huge, "huge.obj:4: more than 2000000 triangles"},
  };
  for (const auto& c : cases) {
    const std::string path = write(c.name, c.text);
    Mesh mesh;
    mesh.corners = {7.0f};
    const MeshReadResult result = readMesh(path, &mesh);
    EXPECT_FALSE(result.ok) << c.name;
    EXPECT_EQ(result.error, folder() + "/" + c.error);
    EXPECT_EQ(mesh.corners, std::vector<float>{7.0f}) << c.name;
  }
  Mesh mesh;
  EXPECT_EQ(readMesh(folder() + "/missing.obj", &mesh).error,
            folder() + "/missing.obj: cannot read the mesh: No such file or directory");
  EXPECT_EQ(readMesh(folder(), &mesh).error, folder() + ": cannot read the mesh: Is a directory");
}

// A quad split into two triangles that keep its winding, with the face's
// normal where the file gives none, and a triangle with the file's.
TEST(MeshReaderTest, FacesAreSplitIntoFansWithTheFilesNormalsOrTheFaces) {
  const std::string path = write("square.obj",
                                 "o square\nv 0 0 0\nv 2 0 0\nv 2 2 0\nv 0 2 0\nvt 0 0\n"
                                 "vn 0 0.6 0.8\ns off\nf 1 2 3 4\nf 1/1/1 3/1/1 4/1/1\n");
  Mesh mesh;
  const MeshReadResult result = readMesh(path, &mesh);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(mesh.corners, (std::vector<float>{0, 0, 0, 2, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2,
                                              0, 0, 2, 0, 0, 0, 0, 2, 2, 0, 0, 2, 0}));
  EXPECT_EQ(mesh.normals,
            (std::vector<float>{0, 0, 1, 0, 0, 1,    0,    0, 1,    0,    0, 1,    0,   0,
                                1, 0, 0, 1, 0, 0.6f, 0.8f, 0, 0.6f, 0.8f, 0, 0.6f, 0.8f}));
}

}  // namespace
