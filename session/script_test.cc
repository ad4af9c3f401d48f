// Session-script checking: every command read into its fields with its line
// (every kind of error with its line, and a bad or missing script's exit
// status and message: tests/script).
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

struct Row {
  const char* line;
  std::string want;  // the command's fields
};

// Reads the rows' lines as one script (a comment and a blank line first, so that every command
// must carry its own line number) and checks the commands.
void read(const std::vector<Row>& rows) {
  std::string text = "# a session\n\n";
  int line = 2;
  std::vector<std::string> want;
  for (const auto& row : rows) {
    text += row.line + std::string("\n");
    ++line;
    want.push_back(std::to_string(line) + ": " + row.want);
  }
  const Script script = parseScript(text, "s.script");
  EXPECT_TRUE(script.errors.empty());
  std::vector<std::string> commands;
  for (const ScriptCommand& c : script.commands)
    commands.push_back(std::to_string(c.line) + ": " + show(c));
  EXPECT_EQ(want, commands);
}

TEST(Script, ReadsEachCommandIntoItsFieldsWithItsLineNumber) {
  read({
      {"select Solid", "select [Solid]"},
      {"check \"Light On/Off\" on", "check [Light On/Off] on"},
      {"check \"Look at Object\" off", "check [Look at Object]"},
      // Trailing blanks and the colon may be left out, or given.
      {"set \"# Subdivisions\" 3", "set [# Subdivisions ] '3'"},
      {"set \"# Subdivisions \" 9", "set [# Subdivisions ] '9'"},
      {"set Hfov 90", "set [Hfov:] '90'"},
      {"set Vfov: \" 4x5 \"", "set [Vfov:] ' 4x5 '"},
      {"press \"Reset View\"", "press [Reset View]"},
      {"drag 0 -3 middle", "drag 0 -3 button 1"},
      {"drag -5 7 right from 10 -20", "drag -5 7 button 2 from 10 -20"},
      {"drag 10000 -10000 from 0 0", "drag 10000 -10000 from 0 0"},
      {"key \"#\"", "key #"},
      {"key Esc", "key 27"},
      {"\tkey C   # a comment after a command", "key C"},
      {"snap 01-start_v1.2", "snap '01-start_v1.2'"},
      {"trace 200 -7", "trace at 200 -7"},
      {"raster difference", "raster 'difference'"},
  });
}

}  // namespace
