#include "mesh/mesh.h"

const Mesh* sceneMesh = nullptr;
