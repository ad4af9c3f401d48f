#include "inspect/cell_match.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool printsAsZero(const char* text) {
  if (text[0] == '-') ++text;
  return std::strcmp(text, "0.000000") == 0;
}

}  // namespace

PrintedNumber printedNumber(float value) {
  PrintedNumber printed;
  std::snprintf(printed.text, sizeof printed.text, "%f", double{value});
  return printed;
}

CellMatch matchCells(float openGl, float corvane) {
  if (std::memcmp(&openGl, &corvane, sizeof(float)) == 0) return CellMatch::Identical;
  if (!std::isfinite(openGl) || !std::isfinite(corvane)) return CellMatch::Different;
  const PrintedNumber a = printedNumber(openGl);
  const PrintedNumber b = printedNumber(corvane);
  if (std::strcmp(a.text, b.text) == 0 || (printsAsZero(a.text) && printsAsZero(b.text))) {
    return CellMatch::SixDecimals;
  }
  return CellMatch::Different;
}
