// Session-script checking: every command read into its fields, every kind of
// error reported with its line (a bad or missing script's exit status and
// message: tests/script).
#include "session/script.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// A command's fields apart from the defaults; the label is the text the panel
// is built with.
std::string show(const ScriptCommand& c) {
  const char* const kinds[] = {"select", "check",  "set",   "press", "drag",   "key",
                               "click",  "resize", "snap",  "trace", "expect", "echo",
                               "camera", "camera", "world", "raster"};
  std::string s = kinds[static_cast<int>(c.kind)];
  const auto add = [&s](bool given, const std::string& what) { s += given ? " " + what : ""; };
  const auto pair = [](int a, int b) { return std::to_string(a) + " " + std::to_string(b); };
  add(c.label, "[" + std::string(c.label ? c.label : "") + "]");
  add(c.on, "on");
  add(!c.text.empty(), "'" + c.text + "'");
  add(c.dx || c.dy, pair(c.dx, c.dy));
  add(c.button != kLeftButton, "button " + std::to_string(c.button));
  add(c.fromGiven || c.x || c.y, (c.fromGiven ? "from " : "at ") + pair(c.x, c.y));
  add(c.width || c.height, "size " + pair(c.width, c.height));
  add(c.key, c.key < ' ' ? std::to_string(c.key) : std::string(1, static_cast<char>(c.key)));
  return s;
}

const std::string kCommand =
    "expected a command (select, check, set, press, drag, key, click, resize, snap, trace, expect, "
    "echo, camera, world, raster), found ";
const std::string kRadio =
    "expected the label of a radio button (Points, Wireframe, Solid, TRANSLATE, ROTATE, X, Y, Z), "
    "found ";
const std::string kNumber = "expected a whole number from -10000 to 10000, found ";
const std::string kName =
    "expected a file name of letters, digits, '.', '-' and '_', not starting with '.', found ";
const std::string kOnOff = "expected on or off, found ";
const std::string kKey = "expected one character or Esc, found ";
const std::string kEnd = "end of line";

struct Row {
  const char* line;
  std::string want;  // the command's fields, or the error
};

// Reads the rows' lines as one script (a comment and a blank line first, a blank line after each
// bad line, so that every command and every error must carry its own line number) and checks the
// errors when `errors`, else the commands.
void read(const std::vector<Row>& rows, bool errors) {
  std::string text = "# a session\n\n";
  int line = 2;
  std::vector<std::string> got;
  for (const auto& row : rows) {
    text += row.line + std::string(errors ? "\n   \n" : "\n");
    ++line;
    EXPECT_EQ(row.want.rfind("expected", 0) == 0, errors) << row.line;
    if (errors) {
      got.push_back("s.script:" + std::to_string(line) + ": " + row.want);
      ++line;
    } else {
      got.push_back(std::to_string(line) + ": " + row.want);
    }
  }
  const Script script = parseScript(text, "s.script");
  if (errors) {
    EXPECT_TRUE(script.commands.empty());
    EXPECT_EQ(got, script.errors);
    return;
  }
  EXPECT_TRUE(script.errors.empty());
  std::vector<std::string> commands;
  for (const ScriptCommand& c : script.commands)
    commands.push_back(std::to_string(c.line) + ": " + show(c));
  EXPECT_EQ(got, commands);
}

TEST(Script, ReadsEachCommandIntoItsFieldsWithItsLineNumber) {
  read(
      {
          {"select Solid", "select [Solid]"},
          {"check \"Light On/Off\" on", "check [Light On/Off] on"},
          {"check \"Look at Object\" off", "check [Look at Object]"},
          // Trailing blanks and the colon may be left out, or given.
          {"set \"# Subdivisions\" 3", "set [# Subdivisions ] '3'"},
          {"set \"# Subdivisions \" 9", "set [# Subdivisions ] '9'"},
          {"set Hfov 90", "set [Hfov:] '90'"},
          {"set Vfov: \" 4x5 \"", "set [Vfov:] ' 4x5 '"},
          {"press \"Reset View\"", "press [Reset View]"},
          {"drag 20 0", "drag 20 0"},
          {"drag 0 -3 middle", "drag 0 -3 button 1"},
          {"drag -5 7 right from 10 -20", "drag -5 7 button 2 from 10 -20"},
          {"drag 10000 -10000 from 0 0", "drag 10000 -10000 from 0 0"},
          {"key ?", "key ?"},
          {"key \"#\"", "key #"},
          {"key Esc", "key 27"},
          {"\tkey C   # a comment after a command", "key C"},
          {"snap 01-start_v1.2", "snap '01-start_v1.2'"},
          {"trace 200 -7", "trace at 200 -7"},
          {"raster difference", "raster 'difference'"},
      },
      false);
}

// No two labels of a kind differ only in case, so any case names the control.
TEST(Script, MatchesALabelWithoutRegardToCase) {
  read(
      {
          {"set \"# subdivisions\" 3", "set [# Subdivisions ] '3'"},
          {"set VFOV: 30", "set [Vfov:] '30'"},
          {"select x", "select [X]"},
      },
      false);
}

TEST(Script, ReportsEachBadLineWithItsFileAndLineNumber) {
  read(
      {
          {"select", kRadio + kEnd},
          {"jump 1 2", kCommand + "\"jump\""},
          {"select Quit", kRadio + "\"Quit\""},
          {"select Solid Wireframe", "expected end of line, found \"Wireframe\""},
          {"check Light on",
           "expected the label of a check box (\"Light On/Off\", \"Backface culling\", \"Look at "
           "Object\"), found \"Light\""},
          {"check \"Backface culling\" yes", kOnOff + "\"yes\""},
          {"set \"# Subdivision\" 3",
           "expected the label of a spinner (\"# Subdivisions\", Hfov, Vfov), found \"# "
           "Subdivision\""},
          {"set Vfov \"30", "expected a closing \", found end of line"},
          {"press Reset", "expected the label of a button (\"Reset View\", Quit), found \"Reset\""},
          {"drag 10", kNumber + kEnd},
          {"drag ten 0", kNumber + "\"ten\""},
          {"drag 10001 0", kNumber + "\"10001\""},
          {"drag 1 1 sideways",
           "expected left, middle, right, from or end of line, found \"sideways\""},
          {"drag 1 1 left 5", "expected from or end of line, found \"5\""},
          {"drag 1 1 from 5 5 left", "expected end of line, found \"left\""},
          {"key #", kKey + kEnd},
          {"key Enter", kKey + "\"Enter\""},
          {"click 120 45", "expected left, middle or right, found \"120\""},
          {"resize 0 200", "expected a whole number from 1 to 10000, found \"0\""},
          {"snap ../escape", kName + "\"../escape\""},
          {"snap .hidden", kName + "\".hidden\""},
          {"trace 1 2 3", "expected end of line, found \"3\""},
          {"raster Picture", "expected picture, opengl or difference, found \"Picture\""},
      },
      true);
}

}  // namespace
