// The commands that check and place things: every form of expect with its
// check-time error or, given what the viewer shows, its verdict and message;
// camera, world orbit and echo with their limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/expectation.h"
#include "session/script.h"

namespace {

// The check-time error of a script of one line (after "trace 200 200" for
// the trace's rows), else "holds" or the run-time failure message of its last
// line for what the viewer shows.
std::string verdict(const std::string& line, const FoundValue& found) {
  const Script script = parseScript(line + "\n", "t.script");
  if (!script.errors.empty()) return script.errors[0];
  const ScriptCommand& c = script.commands.back();
  if (expectationHolds(c.expect, found)) return "holds";
  return expectationFailure(script.fileName, c.line, c.expect, c.label, found);
}

FoundValue numbers(std::vector<double> values, int decimals = 0) {
  FoundValue found;
  found.numbers = std::move(values);
  found.decimals = decimals;
  return found;
}

FoundValue word(const char* onOrOff) {
  FoundValue found;
  found.word = onOrOff;
  return found;
}

// The start projection, row by row, as floats hold it.
const std::vector<double> kStartProjection = {
    1.7320508f, 0, 0, 0, 0, 1.7320508f, 0, 0, 0, 0, -1.0002f, -0.20002f, 0, 0, -1, 0};
const std::string kStartRows =
    "1.732051 0.000000 0.000000 0.000000 / 0.000000 1.732051 0.000000 0.000000 / 0.000000 "
    "0.000000 -1.000200 -0.200020 / 0.000000 0.000000 -1.000000 0.000000";
const std::string kWhat =
    "t.script:1: expected eye, modelview, projection, flipped, trace or the label of a radio "
    "button, check box or spinner, found ";

TEST(Expect, EveryFormChecksAndCompares) {
  const FoundValue startEye = numbers({0.0f, 0.0f, 2.5f});
  const struct {
    const char* line;
    FoundValue found;
    std::string want;
  } rows[] = {
      // Rounded to the report's three decimals on both sides; -0.000 is 0.
      {"expect eye 0 0 2.5", startEye, "holds"},
      {"expect eye 0.0004 -0 2.5002", startEye, "holds"},
      {"expect eye 0 0 2.4", startEye,
       "t.script:1: expected eye (0.000, 0.000, 2.400), found (0.000, 0.000, 2.500)"},
      {"expect eye 1.928 0 2.129", numbers({1.9284f, 0, 2.1286f}), "holds"},
      // within TOL compares the stored value, unrounded.
      {"expect eye 0 0 2.4 within 0.15", startEye, "holds"},
      {"expect eye 0 0 2.4 within 1e-2", startEye,
       "t.script:1: expected eye (0.000, 0.000, 2.400) within 1e-2, found (0.000, 0.000, "
       "2.500)"},
      {"expect eye 0 0 2.5003 within 0", numbers({0, 0, 2.5003f}),
       "t.script:1: expected eye (0.000, 0.000, 2.500) within 0, found (0.000, 0.000, 2.500)"},
      {"expect eye 0 0", startEye, "t.script:1: expected a number, found end of line"},
      {"expect eye 0 0 2.5 1", startEye, "t.script:1: expected within or end of line, found \"1\""},
      {"expect eye 0 0 0x1", startEye, "t.script:1: expected a number, found \"0x1\""},
      {"expect eye 0 0 1e999", startEye, "t.script:1: expected a number, found \"1e999\""},
      {"expect eye 0 0 2.5 within -1", startEye,
       "t.script:1: expected a tolerance, a number of 0 or more, found \"-1\""},
      {"expect eye 0 0 2.5 within 1 2", startEye, "t.script:1: expected end of line, found \"2\""},
      // Matrices: sixteen numbers, row by row, six decimals.
      {"expect projection opengl 1.732051 0 0 0 0 1.732051 0 0 0 0 -1.0002 -0.20002 0 0 -1 0",
       numbers(kStartProjection), "holds"},
      {"expect modelview corvane 1.732051 0 0 0 0 1.732051 0 0 0 0 -1.0002 -0.20002 0 0 -1 1",
       numbers(kStartProjection),
       "t.script:1: expected modelview corvane 1.732051 0.000000 0.000000 0.000000 / 0.000000 "
       "1.732051 0.000000 0.000000 / 0.000000 0.000000 -1.000200 -0.200020 / 0.000000 0.000000 "
       "-1.000000 1.000000, found " +
           kStartRows},
      {"expect projection 1 0", numbers(kStartProjection),
       "t.script:1: expected opengl or corvane, found \"1\""},
      // Controls: on or off, or the number with the panel's decimals.
      {"expect Solid on", word("on"), "holds"},
      {"expect \"Light On/Off\" on", word("off"),
       "t.script:1: expected \"Light On/Off\" on, found off"},
      {"expect Hfov: 72.3", numbers({72.3f}, 2), "holds"},
      {"expect Vfov 72.304", numbers({72.3f}, 2), "holds"},
      {"expect Hfov 72.306", numbers({72.3f}, 2), "t.script:1: expected Hfov 72.31, found 72.30"},
      {"expect \"# Subdivisions\" 3", numbers({8}),
       "t.script:1: expected \"# Subdivisions\" 3, found 8"},
      {"expect Solid yes", word("on"), "t.script:1: expected on or off, found \"yes\""},
      {"expect Solid on within 1", word("on"),
       "t.script:1: expected end of line, found \"within\""},
      {"expect Quit on", word("on"), kWhat + "\"Quit\""},
      {"expect", word("on"), kWhat + "end of line"},
      // trace: a line of the last trace's report, six decimals.
      {"trace 200 200\nexpect trace ndc 0 0 0.866853", numbers({0, 0, 0.86685252f}), "holds"},
      {"trace 200 200\nexpect trace window 200 200 0.9334", numbers({200, 200, 0.93342626f}),
       "t.script:2: expected trace window (200.000000, 200.000000, 0.933400), found "
       "(200.000000, 200.000000, 0.933426)"},
      {"trace 1 2\nexpect trace eye 0 0 -1.5 0.5", numbers({0, 0, -1.5f, 1}),
       "t.script:2: expected trace eye (0.000000, 0.000000, -1.500000, 0.500000), found "
       "(0.000000, 0.000000, -1.500000, 1.000000)"},
      {"trace 1 2\nexpect trace clip 0 0 1.3", numbers({}),
       "t.script:2: expected a number, found end of line"},
      {"trace 1 2\nexpect trace object 0 0 1", numbers({}),
       "t.script:2: expected eye, clip, ndc or window, found \"object\""},
      {"expect trace ndc 0 0 0.866853", numbers({}),
       "t.script:1: expected a trace on an earlier line, found none"},
      // flipped: a count.
      {"expect flipped 0", numbers({2}), "t.script:1: expected flipped 0, found 2"},
      {"expect flipped -1", numbers({0}),
       "t.script:1: expected a whole number from 0 to 10000, found \"-1\""},
  };
  for (const auto& row : rows) EXPECT_EQ(row.want, verdict(row.line, row.found)) << row.line;
}

std::string placed(const std::string& line) {
  const Script script = parseScript(line + "\n", "t.script");
  if (!script.errors.empty()) return script.errors[0];
  const ScriptCommand& c = script.commands.at(0);
  if (c.kind == CommandKind::Echo) return "'" + c.text + "'";
  std::string s = c.kind == CommandKind::CameraEye   ? "eye"
                  : c.kind == CommandKind::CameraAim ? "aim"
                                                     : "orbit";
  for (const double value : c.point) s += " " + std::to_string(value);
  return s;
}

TEST(Expect, CameraWorldAndEchoTakeTheirNumbersWithinTheirLimits) {
  const std::string orbit =
      "t.script:1: expected an azimuth from -180 up to 180, in degrees, found ";
  const std::string elevation =
      "t.script:1: expected an elevation from -85 to 85, in degrees, found ";
  const std::string distance = "t.script:1: expected a distance from 3 to 40, found ";
  const struct {
    const char* line;
    std::string want;
  } rows[] = {
      {"camera eye 1 -2.5 1e1", "eye 1.000000 -2.500000 10.000000"},
      {"camera aim -10000 10000 0", "aim -10000.000000 10000.000000 0.000000"},
      {"camera eye 10001 0 0",
       "t.script:1: expected a number from -10000 to 10000, found \"10001\""},
      {"camera look 1 2 3", "t.script:1: expected eye or aim, found \"look\""},
      {"camera eye 1 2 3 4", "t.script:1: expected end of line, found \"4\""},
      {"world orbit -180 -85 3", "orbit -180.000000 -85.000000 3.000000"},
      {"world orbit 179.5 85 40", "orbit 179.500000 85.000000 40.000000"},
      {"world orbit 180 0 10", orbit + "\"180\""},
      {"world orbit 0 85.1 10", elevation + "\"85.1\""},
      {"world orbit 0 0 2.99", distance + "\"2.99\""},
      {"world orbit 0 0 41", distance + "\"41\""},
      {"world turn 0 0 10", "t.script:1: expected orbit, found \"turn\""},
      {"echo Question 1:   \"what is  P?\"   # not shown", "'Question 1: what is  P?'"},
      {"echo", "''"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.want, placed(row.line)) << row.line;
}

}  // namespace
