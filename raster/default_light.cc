#include "raster/default_light.h"

#include <algorithm>

float defaultLightGrey(float eyeNormalZ) {
  const float ambient = kLightModelAmbient * kMaterialAmbient;
  const float facing = std::max(eyeNormalZ, 0.0f);
  return std::min(ambient + kMaterialDiffuse * kLightDiffuse * facing, 1.0f);
}
