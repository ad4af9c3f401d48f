#include "world/observer.h"

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180.0;

// Into [-180, 180); fmod keeps even a huge sum finite and exact enough.
float wrapDegrees(double angle) {
  double a = std::fmod(angle + 180.0, 360.0);
  if (a < 0.0) a += 360.0;
  return static_cast<float>(a - 180.0);
}

}  // namespace

Observer startObserver() { return Observer{55.0f, 25.0f, 10.0f}; }

Observer orbited(Observer o, int dx, int dy) {
  // In double, so no pixel count can overflow or lose the wrap.
  o.azimuth = wrapDegrees(double{o.azimuth} - static_cast<double>(dx) * kOrbitDegreesPerPixel);
  const double elevation = double{o.elevation} + static_cast<double>(dy) * kOrbitDegreesPerPixel;
  o.elevation = static_cast<float>(std::fmax(-kMaxElevation, std::fmin(kMaxElevation, elevation)));
  return o;
}

Observer zoomed(Observer o, int steps) {
  // Past the limits every further step only clamps again: pow of a huge step
  // count is inf or 0, and the clamp brings either back.
  const double distance = double{o.distance} * std::pow(double{kZoomFactor}, steps);
  o.distance = static_cast<float>(std::fmax(kMinDistance, std::fmin(kMaxDistance, distance)));
  return o;
}

Vector3 observerEye(Observer o) {
  const double az = o.azimuth * kDegree;
  const double el = o.elevation * kDegree;
  const double d = o.distance;
  return Vector3(static_cast<float>(d * std::cos(el) * std::sin(az)),
                 static_cast<float>(d * std::sin(el)),
                 static_cast<float>(d * std::cos(el) * std::cos(az)));
}
