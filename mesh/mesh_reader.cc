#include "mesh/mesh_reader.h"

#include <tiny_obj_loader.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

// Statements of the OBJ format; anything else on a line makes the file
// "not OBJ". Free-form geometry is accepted (and ignored) so that a valid
// file is never refused.
const char* const kStatements[] = {
    "v",     "vn",       "vt",       "vp",         "f",         "l",      "p",      "o",
    "g",     "s",        "mg",       "usemtl",     "mtllib",    "usemap", "maplib", "lod",
    "bevel", "c_interp", "d_interp", "shadow_obj", "trace_obj", "cstype", "deg",    "bmat",
    "step",  "curv",     "curv2",    "surf",       "parm",      "trim",   "hole",   "scrv",
    "sp",    "end",      "con",      "ctech",      "stech",
};

bool isStatement(const std::string& word) {
  for (const char* statement : kStatements) {
    if (word == statement) return true;
  }
  return false;
}

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  std::string word;
  while (in >> word) out.push_back(word);
  return out;
}

// A word as it may be shown in a message: at most 24 characters, anything
// unprintable as '?'.
std::string shown(const std::string& word) {
  std::string out;
  for (char c : word.substr(0, 24)) out += (c >= 0x20 && c < 0x7f) ? c : '?';
  if (word.size() > 24) out += "...";
  return out;
}

bool finiteNumber(const std::string& word) {
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  return end != word.c_str() && *end == '\0' && errno == 0 && std::isfinite(value);
}

// A face corner's index: 1..count, or -1..-count counted back from the
// last one defined so far. 0 when there is none or it names nothing.
long resolveIndex(const std::string& text, long count) {
  if (text.empty()) return 0;
  errno = 0;
  char* end = nullptr;
  const long index = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno != 0) return 0;
  const long resolved = index < 0 ? count + index + 1 : index;
  return resolved >= 1 && resolved <= count ? resolved : 0;
}

class Checker {
 public:
  explicit Checker(const std::string& path) : path_(path) {}

  // The first fault of the text, or "" when it has none.
  std::string check(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      const std::string fault = checkLine(line);
      if (!fault.empty()) return path_ + ":" + std::to_string(number) + ": " + fault;
    }
    if (triangles_ == 0) return path_ + ": no triangles: no face has 3 or more corners";
    return "";
  }

 private:
  std::string checkLine(const std::string& line) {
    const std::vector<std::string> w = words(line);
    if (w.empty() || w[0][0] == '#') return "";
    if (!isStatement(w[0])) return "not a Wavefront OBJ statement: '" + shown(w[0]) + "'";
    if (w[0] == "v" || w[0] == "vn") {
      const bool vertex = w[0] == "v";
      if (w.size() < 4) return vertex ? "a vertex needs x, y and z" : "a normal needs x, y and z";
      for (std::size_t k = 1; k < w.size(); ++k) {
        if (!finiteNumber(w[k])) {
          return std::string(vertex ? "vertex" : "normal") + " coordinate '" + shown(w[k]) +
                 "' is not a finite number";
        }
      }
      ++(vertex ? vertices_ : normals_);
      return "";
    }
    if (w[0] != "f") return "";
    if (w.size() < 4) return "a face needs at least 3 corners";
    for (std::size_t k = 1; k < w.size(); ++k) {
      const std::string& corner = w[k];
      const std::size_t slash = corner.find('/');
      const std::string vertex = corner.substr(0, slash);
      if (resolveIndex(vertex, vertices_) == 0) {
        return "face corner '" + shown(corner) + "' names no vertex: " + std::to_string(vertices_) +
               " defined so far";
      }
      const std::size_t second = slash == std::string::npos ? slash : corner.find('/', slash + 1);
      if (second != std::string::npos) {
        const std::string normal = corner.substr(second + 1);
        if (resolveIndex(normal, normals_) == 0) {
          return "face corner '" + shown(corner) +
                 "' names no normal: " + std::to_string(normals_) + " defined so far";
        }
      }
    }
    triangles_ += static_cast<long>(w.size()) - 3;
    if (triangles_ > kMaxMeshTriangles) {
      return "more than " + std::to_string(kMaxMeshTriangles) + " triangles";
    }
    return "";
  }

  std::string path_;
  long vertices_ = 0;
  long normals_ = 0;
  long triangles_ = 0;
};

bool readWholeFile(const std::string& path, std::string* text, int* error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = errno;
    return false;
  }
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  *error = failed ? errno : 0;
  std::fclose(file);
  return !failed;
}

void faceNormal(const float* a, const float* b, const float* c, float* out) {
  const double u[3] = {double{b[0]} - a[0], double{b[1]} - a[1], double{b[2]} - a[2]};
  const double v[3] = {double{c[0]} - a[0], double{c[1]} - a[1], double{c[2]} - a[2]};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
  const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  for (int k = 0; k < 3; ++k) out[k] = length > 0.0 ? static_cast<float>(n[k] / length) : 0.0f;
}

}  // namespace

MeshReadResult readMesh(const std::string& path, Mesh* mesh) {
  MeshReadResult result;
  std::string text;
  int error = 0;
  if (!readWholeFile(path, &text, &error)) {
    result.error = path + ": cannot read the mesh: " + std::strerror(error);
    return result;
  }
  result.error = Checker(path).check(text);
  if (!result.error.empty()) return result;

  tinyobj::attrib_t attrib;
  std::vector<tinyobj::shape_t> shapes;
  std::vector<tinyobj::material_t> materials;
  std::string warning;
  std::string loadError;
  std::istringstream in(text);
  if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warning, &loadError, &in, nullptr, true)) {
    const std::vector<std::string> said = words(loadError);
    result.error = path + ": not a Wavefront OBJ file" + (said.empty() ? "" : ": " + said.front());
    return result;
  }
  Mesh loaded;
  for (const tinyobj::shape_t& shape : shapes) {
    std::size_t next = 0;
    for (const unsigned char count : shape.mesh.num_face_vertices) {
      if (count != 3) {  // triangulated: only a degenerate face is left over
        next += count;
        continue;
      }
      float corners[9];
      float normals[9];
      bool hasNormal[3];
      for (int k = 0; k < 3; ++k) {
        const tinyobj::index_t index = shape.mesh.indices[next + k];
        for (int c = 0; c < 3; ++c)
          corners[3 * k + c] = attrib.vertices[3 * index.vertex_index + c];
        hasNormal[k] = index.normal_index >= 0;
        for (int c = 0; c < 3 && hasNormal[k]; ++c) {
          normals[3 * k + c] = attrib.normals[3 * index.normal_index + c];
        }
      }
      float face[3];
      faceNormal(corners, corners + 3, corners + 6, face);
      for (int k = 0; k < 3; ++k) {
        for (int c = 0; c < 3 && !hasNormal[k]; ++c) normals[3 * k + c] = face[c];
      }
      loaded.corners.insert(loaded.corners.end(), corners, corners + 9);
      loaded.normals.insert(loaded.normals.end(), normals, normals + 9);
      next += 3;
    }
  }
  if (loaded.triangleCount() == 0) {
    result.error = path + ": no triangles: no face has 3 or more corners";
    return result;
  }
  *mesh = std::move(loaded);
  result.ok = true;
  return result;
}
