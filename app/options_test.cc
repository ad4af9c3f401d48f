// The command line, one table: every option in each spelling, each kind of
// bad input with its exact message, and what is left for glutInit.
#include "app/options.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Case {
  std::vector<std::string> args;  // after the program name
  // Accepted: the options apart from the defaults, and the arguments left
  // for glutInit after the program name.
  std::function<void(ViewerOptions&)> expect;
  std::vector<std::string> glutArgs;
  // Refused: the one-line message.
  std::string error;
};

Case ok(std::vector<std::string> args, std::function<void(ViewerOptions&)> expect,
        std::vector<std::string> glutArgs = {}) {
  return {std::move(args), std::move(expect), std::move(glutArgs), ""};
}

Case bad(std::vector<std::string> args, std::string error) {
  return {std::move(args), nullptr, {}, std::move(error)};
}

void none(ViewerOptions&) {}

std::string show(const ViewerOptions& o) {
  char text[512];
  std::snprintf(text, sizeof text,
                "help %d version %d depth %d mode %d light %d noCull %d hfov %d %.9g "
                "vfov %d %.9g script %s out %s inspect %d world %d geometry %d",
                o.help, o.version, o.depth, o.mode, o.light, o.noCull, o.hasHfov, o.hfov,
                o.hasVfov, o.vfov, o.script ? o.script : "-", o.out ? o.out : "-", o.inspect,
                o.world, o.geometry);
  return text;
}

const std::string kDepth = "expected a whole number from 1 to 8";
const std::string kFov = "expected a number of degrees from 10 to 180";

TEST(CommandLine, EveryOptionAndEveryKindOfBadInput) {
  const Case cases[] = {
      ok({}, none),
      ok({"--depth", "3"}, [](ViewerOptions& o) { o.depth = 3; }),
      ok({"--depth=8", "--light"}, [](ViewerOptions& o) { o.depth = 8, o.light = true; }),
      ok({"--depth", "+1"}, [](ViewerOptions& o) { o.depth = 1; }),
      ok({"--depth", "2", "--depth", "5"}, [](ViewerOptions& o) { o.depth = 5; }),
      ok({"--mode", "points"}, [](ViewerOptions& o) { o.mode = 0; }),
      ok({"--mode", "wireframe"}, [](ViewerOptions& o) { o.mode = 1; }),
      ok({"--mode=solid"}, [](ViewerOptions& o) { o.mode = 2; }),
      ok({"--light", "--no-cull"}, [](ViewerOptions& o) { o.light = o.noCull = true; }),
      ok({"--hfov", "10"}, [](ViewerOptions& o) { o.hasHfov = true, o.hfov = 10.0f; }),
      ok({"--hfov=72.3"}, [](ViewerOptions& o) { o.hasHfov = true, o.hfov = 72.3f; }),
      ok({"--vfov", "1.8e2"}, [](ViewerOptions& o) { o.hasVfov = true, o.vfov = 180.0f; }),
      ok({"--vfov=.3e2"}, [](ViewerOptions& o) { o.hasVfov = true, o.vfov = 30.0f; }),
      ok({"--script", "tour.txt", "--out=shots"},
         [](ViewerOptions& o) { o.script = "tour.txt", o.out = "shots"; }),
      ok({"--inspect", "--world"}, [](ViewerOptions& o) { o.inspect = o.world = true; }),
      ok({"--help"}, [](ViewerOptions& o) { o.help = true; }),
      ok({"-h", "--bogus"}, [](ViewerOptions& o) { o.help = true; }),
      ok({"--version", "--depth"}, [](ViewerOptions& o) { o.version = true; }),
      ok({"--help", "--out", "x"}, [](ViewerOptions& o) { o.help = true; }),
      // X options keep their order and values; ours are taken out.
      ok({"-display", ":7", "--light", "-iconic", "--depth", "2", "-sync", "-gldebug",
          "-direct", "-indirect"},
         [](ViewerOptions& o) { o.light = true, o.depth = 2; },
         {"-display", ":7", "-iconic", "-sync", "-gldebug", "-direct", "-indirect"}),
      ok({"-geometry", "600x500-0-0"}, [](ViewerOptions& o) { o.geometry = true; },
         {"-geometry", "600x500-0-0"}),
      ok({"-geometry", "=+10+20"}, [](ViewerOptions& o) { o.geometry = true; },
         {"-geometry", "=+10+20"}),
      ok({"-geometry", "300"}, [](ViewerOptions& o) { o.geometry = true; },
         {"-geometry", "300"}),

      bad({"--bogus"}, "viewer: unknown option '--bogus'"),
      bad({"--bogus=1"}, "viewer: unknown option '--bogus'"),
      bad({"--bogus", "--help"}, "viewer: unknown option '--bogus'"),
      bad({"-display=:1"}, "viewer: unknown option '-display=:1'"),
      bad({"-help"}, "viewer: unknown option '-help'"),
      bad({"--"}, "viewer: unknown option '--'"),
      bad({"scene.txt"}, "viewer: unexpected argument 'scene.txt'"),
      bad({"-"}, "viewer: unexpected argument '-'"),
      bad({"--depth"}, "viewer: option '--depth' needs a value: a whole number from 1 to 8"),
      bad({"--depth", "0"}, "viewer: option '--depth' got '0': " + kDepth),
      bad({"--depth=9"}, "viewer: option '--depth' got '9': " + kDepth),
      bad({"--depth", "-1"}, "viewer: option '--depth' got '-1': " + kDepth),
      bad({"--depth", "3.0"}, "viewer: option '--depth' got '3.0': " + kDepth),
      bad({"--depth", "three"}, "viewer: option '--depth' got 'three': " + kDepth),
      bad({"--depth", " 3"}, "viewer: option '--depth' got ' 3': " + kDepth),
      bad({"--depth="}, "viewer: option '--depth' got '': " + kDepth),
      bad({"--depth", "99999999999999999999"},
          "viewer: option '--depth' got '99999999999999999999': " + kDepth),
      bad({"--depth", "--light"}, "viewer: option '--depth' got '--light': " + kDepth),
      bad({"--mode", "shaded"},
          "viewer: option '--mode' got 'shaded': expected points, wireframe or solid"),
      bad({"--mode=Solid"},
          "viewer: option '--mode' got 'Solid': expected points, wireframe or solid"),
      bad({"--mode"}, "viewer: option '--mode' needs a value: points, wireframe or solid"),
      bad({"--hfov", "9.99"}, "viewer: option '--hfov' got '9.99': " + kFov),
      bad({"--hfov", "180.01"}, "viewer: option '--hfov' got '180.01': " + kFov),
      bad({"--vfov", "5"}, "viewer: option '--vfov' got '5': " + kFov),
      bad({"--vfov", "nan"}, "viewer: option '--vfov' got 'nan': " + kFov),
      bad({"--vfov", "inf"}, "viewer: option '--vfov' got 'inf': " + kFov),
      bad({"--vfov", "1e999"}, "viewer: option '--vfov' got '1e999': " + kFov),
      bad({"--vfov", "0x1e"}, "viewer: option '--vfov' got '0x1e': " + kFov),
      bad({"--vfov", "30deg"}, "viewer: option '--vfov' got '30deg': " + kFov),
      bad({"--vfov", "3e1 "}, "viewer: option '--vfov' got '3e1 ': " + kFov),
      bad({"--hfov="}, "viewer: option '--hfov' got '': " + kFov),
      bad({"--vfov"}, "viewer: option '--vfov' needs a value: a number of degrees from 10 to 180"),
      bad({"--light=1"}, "viewer: option '--light' takes no value but got '1'"),
      bad({"--no-cull="}, "viewer: option '--no-cull' takes no value but got ''"),
      bad({"--help=me"}, "viewer: option '--help' takes no value but got 'me'"),
      bad({"--script", ""}, "viewer: option '--script' got '': expected a file name"),
      bad({"--script"}, "viewer: option '--script' needs a value: a file name"),
      bad({"--out", "shots"},
          "viewer: option '--out' got 'shots' but needs '--script FILE' as well"),
      bad({"--out="}, "viewer: option '--out' got '': expected a directory name"),
      bad({"-display"}, "viewer: option '-display' needs a value: an X display name such as :0"),
      bad({"-display", ""},
          "viewer: option '-display' got '': expected an X display name such as :0"),
      bad({"-geometry", "big"},
          "viewer: option '-geometry' got 'big': expected WIDTHxHEIGHT, +X+Y or both, "
          "as in 400x400+0+0"),
      bad({"-geometry", "400x"},
          "viewer: option '-geometry' got '400x': expected WIDTHxHEIGHT, +X+Y or both, "
          "as in 400x400+0+0"),
      bad({"-geometry", "+10"},
          "viewer: option '-geometry' got '+10': expected WIDTHxHEIGHT, +X+Y or both, "
          "as in 400x400+0+0"),
  };
  for (const Case& c : cases) {
    std::string line = "viewer";
    std::vector<char*> argv = {const_cast<char*>("viewer")};
    std::vector<std::string> storage = c.args;
    for (std::string& a : storage) {
      argv.push_back(a.data());
      line += " [" + a + "]";
    }
    argv.push_back(nullptr);
    int argc = static_cast<int>(argv.size()) - 1;
    const ParsedCommandLine parsed = parseCommandLine(&argc, argv.data());
    SCOPED_TRACE(line);
    if (!c.expect) {
      EXPECT_FALSE(parsed.ok);
      EXPECT_EQ(parsed.error, c.error);
      continue;
    }
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ViewerOptions expected;
    c.expect(expected);
    EXPECT_EQ(show(parsed.options), show(expected));
    std::vector<std::string> glutArgs(argv.begin() + 1, argv.begin() + argc);
    EXPECT_EQ(glutArgs, c.glutArgs);
    EXPECT_STREQ(argv[0], "viewer");
    EXPECT_EQ(argv[argc], nullptr);
  }
}

}  // namespace
