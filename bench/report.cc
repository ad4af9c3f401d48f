#include "bench/report.h"

#include <cmath>
#include <cstdio>

namespace bench {

ResultLine::ResultLine(const char* kind) : text_("{") { add("kind", std::string(kind)); }

void ResultLine::key(const std::string& name) {
  if (text_.size() > 1) text_ += ", ";
  text_ += '"' + name + "\": ";
}

ResultLine& ResultLine::add(const char* name, double value) {
  key(name);
  if (!std::isfinite(value)) {
    text_ += "null";
    return *this;
  }
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.9g", value);
  text_ += digits;
  return *this;
}

ResultLine& ResultLine::add(const char* name, long value) {
  key(name);
  text_ += std::to_string(value);
  return *this;
}

ResultLine& ResultLine::add(const char* name, bool value) {
  key(name);
  text_ += value ? "true" : "false";
  return *this;
}

// Values are names chosen by the bench: no quotes or control characters.
ResultLine& ResultLine::add(const char* name, const std::string& value) {
  key(name);
  text_ += '"' + value + '"';
  return *this;
}

ResultLine& ResultLine::add(const std::string& prefix, const Summary& summary) {
  add((prefix + "_median").c_str(), summary.median);
  add((prefix + "_q1").c_str(), summary.lowerQuartile);
  add((prefix + "_q3").c_str(), summary.upperQuartile);
  add((prefix + "_min").c_str(), summary.minimum);
  add((prefix + "_max").c_str(), summary.maximum);
  return add((prefix + "_n").c_str(), summary.count);
}

ResultLine& ResultLine::add(const std::string& prefix, const AllocationCount& count) {
  add((prefix + "_total").c_str(), count.total);
  add((prefix + "_executable").c_str(), count.executable);
  return add((prefix + "_libraries").c_str(), count.libraries);
}

void ResultLine::print() const {
  std::printf("%s}\n", text_.c_str());
  std::fflush(stdout);
}

}  // namespace bench
