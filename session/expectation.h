#ifndef SESSION_EXPECTATION_H_
#define SESSION_EXPECTATION_H_

// Deciding an expect line of a session script (session/script.h) against what the
// viewer shows, and the message for one that fails. No GL: the runner gathers
// the values and hands them in.
//
// Each number is compared as the report or the panel prints it: both the
// expected and the found value are rounded to the printed decimals (three
// for the eye, six for matrices, the panel's own for a spinner, none for a
// count) and then compared as numbers, so "0" matches a printed "-0.000".
// With "within TOL" every |found - expected| must be at most TOL instead,
// found taken as stored, before any rounding.

#include <string>
#include <vector>

#include "session/script.h"

// What the viewer shows for one expectation.
struct FoundValue {
  std::vector<double> numbers;  // the eye, a matrix row by row, a spinner, a count
  std::string word;             // a radio button or check box: "on" or "off"
  int decimals = 0;             // a spinner: the decimals the panel shows
};

bool expectationHolds(const Expectation& expected, const FoundValue& found);

// "FILE:LINE: expected ..., found ..." with both sides as the viewer prints
// them; label is the control's label as the panel is built with it.
std::string expectationFailure(const std::string& file, int line, const Expectation& expected,
                               const char* label, const FoundValue& found);

#endif  // SESSION_EXPECTATION_H_
