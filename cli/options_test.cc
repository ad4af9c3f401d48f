// The command line: every option in each spelling, each kind of bad input with its exact message,
// and what is left for glutInit.
#include "cli/options.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The options apart from the defaults, then "|" and the arguments left for
// glutInit after the program name; or the error.
std::string outcome(std::vector<std::string> args) {
  std::vector<char*> argv = {const_cast<char*>("viewer")};
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(argv.size()) - 1;
  const ParsedCommandLine parsed = parseCommandLine(&argc, argv.data());
  if (!parsed.ok) return parsed.error;
  const ViewerOptions& o = parsed.options;
  std::string s;
  const auto add = [&s](bool given, const std::string& what) { s += given ? what + " " : ""; };
  const auto str = [](const char* v) { return std::string(v ? v : ""); };
  add(o.help, "help");
  add(o.version, "version");
  add(o.depth != 0, "depth=" + std::to_string(o.depth));
  add(o.mode != -1, "mode=" + std::to_string(o.mode));
  add(o.light, "light");
  add(o.noCull, "no-cull");
  add(o.hasHfov, "hfov=" + std::to_string(o.hfov));
  add(o.hasVfov, "vfov=" + std::to_string(o.vfov));
  add(o.hasNear, "near=" + std::to_string(o.nearPlane));
  add(o.hasFar, "far=" + std::to_string(o.farPlane));
  add(o.script, "script=" + str(o.script));
  add(o.out, "out=" + str(o.out));
  add(o.inspect, "inspect");
  add(o.world, "world");
  add(o.stages, "stages");
  add(o.raster, "raster");
  add(o.mesh, "mesh=" + str(o.mesh));
  add(o.geometry, "geometry");
  add(o.display, "display");
  std::string files;
  for (const char* file : o.checkFiles) files += std::string(",") + file;
  add(o.check, "check" + files);
  s += "|";
  for (int i = 1; i < argc; ++i) s += std::string(" ") + argv[i];
  EXPECT_STREQ(argv[0], "viewer");
  EXPECT_EQ(argv[argc], nullptr);
  return s;
}

struct Row {
  std::vector<std::string> args;
  std::string want;
};

void expectOutcomes(const std::vector<Row>& rows) {
  for (const auto& row : rows) EXPECT_EQ(outcome(row.args), row.want) << row.want;
}

TEST(CommandLine, ReadsEveryOptionInEachSpelling) {
  expectOutcomes({
      {{}, "|"},
      {{"--depth", "3", "--mode", "points", "--light", "--no-cull", "--hfov", "10", "--vfov",
        "1.8e2", "--script", "tour.txt", "--out", "shots", "--inspect", "--world", "--raster",
        "--mesh", "m.obj"},
       "depth=3 mode=0 light no-cull hfov=10.000000 vfov=180.000000 script=tour.txt out=shots "
       "inspect world raster mesh=m.obj |"},
      {{"--out=o", "--mode=wireframe", "--depth=8", "--hfov=72.3", "--vfov=.3e2", "--script=s"},
       "depth=8 mode=1 hfov=72.300003 vfov=30.000000 script=s out=o |"},
      {{"--depth", "+1", "--mode=solid"}, "depth=1 mode=2 |"},
      {{"--near", "1", "--far=5", "--stages"}, "near=1.000000 far=5.000000 stages |"},
      {{"--near", "1e-30", "--far", "3e38"}, "near=0.000000 far=" + std::to_string(3e38f) + " |"},
      {{"--near", "5", "--far", "5"},
       "viewer: option '--far' got '5' but needs a distance above the near one, 5"},
      {{"--far", "0.05"},
       "viewer: option '--far' got '0.05' but needs a distance above the near one, 0.1"},
      {{"--near", "1000"},
       "viewer: option '--near' got '1000' but needs a distance below the far one, 1000"},
      {{"--depth", "2", "--depth", "5"}, "depth=5 |"},
      // A file or folder given twice is refused, in any spelling.
      {{"--script", "a", "--script=b"},
       "viewer: option '--script' is given twice; it may be given once"},
      {{"--script", "a", "--out=o", "--out", "p"},
       "viewer: option '--out' is given twice; it may be given once"},
      // Text from the command line is shown escaped and shortened, the message whole.
      {{"--mode", std::string(300, 'm')},
       "viewer: option '--mode' got '" + std::string(64, 'm') +
           "... (300 bytes)': expected points, wireframe or solid"},
      {{"--bogus\x1b]0;x\x07"}, "viewer: unknown option '--bogus\\x1b]0;x\\x07'"},
      {{"-display", ":73", "-display", ":99"},
       "viewer: option '-display' is given twice; it may be given once"},
      {{"-h", "--bogus"}, "help |"},
      {{"--version", "--depth"}, "version |"},
  });
}

// X options keep their order and values; ours are taken out.
TEST(CommandLine, LeavesTheXOptionsForGlutInitInOrder) {
  expectOutcomes({
      {{"-display", ":7", "--light", "-iconic", "--depth", "2", "-sync", "-gldebug", "-direct",
        "-indirect", "-geometry", "300"},
       "depth=2 light geometry display | -display :7 -iconic -sync -gldebug -direct -indirect "
       "-geometry 300"},
      {{"-geometry", "600x500-0-0", "-geometry", "=+10+20"},
       "geometry | -geometry 600x500-0-0 -geometry =+10+20"},
  });
}

TEST(CommandLine, RefusesUnknownInputWithItsExactMessage) {
  expectOutcomes({
      {{"--bogus=1"}, "viewer: unknown option '--bogus'"},
      {{"--"}, "viewer: unknown option '--'"},
      {{"--bogus", "--help"}, "viewer: unknown option '--bogus'"},
      {{"-display=:1"}, "viewer: unknown option '-display=:1'"},
      {{"-help"}, "viewer: unknown option '-help'"},
      {{"-"}, "viewer: unexpected argument '-'"},
      {{"--light=1"}, "viewer: option '--light' takes no value but got '1'"},
      {{"--out", "shots"}, "viewer: option '--out' got 'shots' but needs '--script FILE' as well"},
  });
}

// --check takes the arguments after it that are no options, and goes with --out, not --script.
TEST(CommandLine, ReadsTheScriptFilesAfterCheck) {
  expectOutcomes({
      {{"--check", "a.script", "--out", "o", "b", "--light"}, "light out=o check,a.script,b |"},
      {{"-display", ":2", "--check", "a"}, "display check,a | -display :2"},
      {{"a.script", "--check"}, "viewer: unexpected argument 'a.script'"},
      {{"--check", "--depth", "2"}, "viewer: option '--check' needs one or more script files"},
      {{"--check", "a", "--script", "s"}, "viewer: option '--check' cannot go with '--script s'"},
  });
}

// Each option's value missing, and values refused: as the next argument and, for our options,
// after '='.
TEST(CommandLine, RefusesAMissingOrBadValueNamingWhatItAccepts) {
  const char* const kFov = "a number of degrees from 10 to 180";
  const struct {
    std::string option;
    std::vector<std::string> values;
    std::string accepted;
  } refused[] = {
      {"--depth",
       {"0", "9", "-1", "3.0", "three", " 3", "", "99999999999999999999", "--light"},
       "a whole number from 1 to 8"},
      {"--mode", {"shaded", "Solid"}, "points, wireframe or solid"},
      {"--hfov", {"9.99", "180.01", ""}, kFov},
      {"--vfov", {"5", "nan", "inf", "1e999", "0x1e", "30deg", "3e1 "}, kFov},
      {"--near", {"0", "-1", "1e-50", "nan", "inf", "1e39", "1m", ""}, "a distance above 0"},
      {"--script", {""}, "a file name"},
      {"-display", {""}, "an X display name such as :0"},
      {"-geometry",
       {"big", "400x", "+10", "4294967297x400", "0x400", "+32768+0"},
       "WIDTHxHEIGHT, +X+Y or both, as in 400x400+0+0; sides 1 to 32767, offsets up to 32767"},
  };
  for (const auto& r : refused) {
    const std::string option = "viewer: option '" + r.option + "' ";
    EXPECT_EQ(outcome({r.option}), option + "needs a value: " + r.accepted);
    for (const std::string& value : r.values) {
      const std::string want = option + "got '" + value + "': expected " + r.accepted;
      EXPECT_EQ(outcome({r.option, value}), want);
      if (r.option[1] == '-') {
        EXPECT_EQ(outcome({r.option + "=" + value}), want);
      }
    }
  }
}

}  // namespace
