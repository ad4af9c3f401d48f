#ifndef BENCH_STATS_H_
#define BENCH_STATS_H_

// Order statistics of a set of timing samples (any unit).

#include <vector>

namespace bench {

struct Summary {
  int count = 0;
  double median = 0;
  double lowerQuartile = 0;
  double upperQuartile = 0;
  double minimum = 0;
  double maximum = 0;
};

// Quartiles by linear interpolation between order statistics. An empty set
// gives an all-zero summary.
Summary summarize(std::vector<double> samples);

}  // namespace bench

#endif  // BENCH_STATS_H_
