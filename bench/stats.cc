#include "bench/stats.h"

#include <algorithm>
#include <cstddef>

namespace bench {
namespace {

// The q-quantile of sorted samples, interpolating between neighbours.
double quantile(const std::vector<double>& sorted, double q) {
  const double position = q * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(position);
  if (below + 1 >= sorted.size()) return sorted.back();
  const double fraction = position - static_cast<double>(below);
  return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

}  // namespace

Summary summarize(std::vector<double> samples) {
  Summary summary;
  if (samples.empty()) return summary;
  std::sort(samples.begin(), samples.end());
  summary.count = static_cast<int>(samples.size());
  summary.median = quantile(samples, 0.5);
  summary.lowerQuartile = quantile(samples, 0.25);
  summary.upperQuartile = quantile(samples, 0.75);
  summary.minimum = samples.front();
  summary.maximum = samples.back();
  return summary;
}

}  // namespace bench
