#ifndef BENCH_REPORT_H_
#define BENCH_REPORT_H_

// Results leave viewer_bench as lines of flat JSON on standard output, one
// object per figure, with a "kind" member; scripts/run-bench collects them
// into its table. Anything else the binary prints goes to standard error.

#include <string>

#include "bench/alloc_counter.h"
#include "bench/stats.h"

namespace bench {

class ResultLine {
 public:
  explicit ResultLine(const char* kind);
  ResultLine& add(const char* key, double value);
  ResultLine& add(const char* key, long value);
  ResultLine& add(const char* key, int value) { return add(key, long{value}); }
  ResultLine& add(const char* key, bool value);
  ResultLine& add(const char* key, const std::string& value);
  // Members <prefix>_median, _q1, _q3, _min, _max and _n.
  ResultLine& add(const std::string& prefix, const Summary& summary);
  // Members <prefix>_total, _executable and _libraries.
  ResultLine& add(const std::string& prefix, const AllocationCount& count);
  // Writes the line and flushes.
  void print() const;

 private:
  void key(const std::string& name);
  std::string text_;
};

}  // namespace bench

#endif  // BENCH_REPORT_H_
