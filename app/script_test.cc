// Session-script checking: every command read into its fields, every kind of
// error reported with its line, and the exit status of a bad script.
#include "app/script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/panel_labels.h"

namespace {

using namespace panel_label;

// One good line and the command it must give; unset fields keep the
// defaults of ScriptCommand.
struct Good {
  const char* line;
  ScriptCommand want;
};

ScriptCommand cmd(CommandKind kind, const char* label = nullptr) {
  ScriptCommand c;
  c.kind = kind;
  c.label = label;
  return c;
}

ScriptCommand with(ScriptCommand c, void (*edit)(ScriptCommand&)) {
  edit(c);
  return c;
}

const Good kGood[] = {
    {"select Solid", cmd(CommandKind::Select, kSolid.text)},
    {"select ROTATE", cmd(CommandKind::Select, kRotate.text)},
    {"select Y", cmd(CommandKind::Select, kAxisY.text)},
    {"check \"Light On/Off\" on",
     with(cmd(CommandKind::Check, kLight.text), [](ScriptCommand& c) { c.on = true; })},
    {"check \"Look at Object\" off", cmd(CommandKind::Check, kLookAtObject.text)},
    {"check \"Backface culling\" on",
     with(cmd(CommandKind::Check, kCulling.text), [](ScriptCommand& c) { c.on = true; })},
    // Trailing blanks and the colon may be left out, or given.
    {"set \"# Subdivisions\" 3",
     with(cmd(CommandKind::Set, kSubdivisions.text), [](ScriptCommand& c) { c.text = "3"; })},
    {"set \"# Subdivisions \" 9",
     with(cmd(CommandKind::Set, kSubdivisions.text), [](ScriptCommand& c) { c.text = "9"; })},
    {"set Hfov 90", with(cmd(CommandKind::Set, kHfov.text), [](ScriptCommand& c) { c.text = "90"; })},
    {"set Vfov: \" 4x5 \"",
     with(cmd(CommandKind::Set, kVfov.text), [](ScriptCommand& c) { c.text = " 4x5 "; })},
    {"press \"Reset View\"", cmd(CommandKind::Press, kResetView.text)},
    {"press Quit", cmd(CommandKind::Press, kQuit.text)},
    {"drag 20 0", with(cmd(CommandKind::Drag), [](ScriptCommand& c) { c.dx = 20; })},
    {"drag 0 -3 middle", with(cmd(CommandKind::Drag), [](ScriptCommand& c) {
       c.dy = -3;
       c.button = kMiddleButton;
     })},
    {"drag -5 7 right from 10 -20", with(cmd(CommandKind::Drag), [](ScriptCommand& c) {
       c.dx = -5;
       c.dy = 7;
       c.button = kRightButton;
       c.fromGiven = true;
       c.x = 10;
       c.y = -20;
     })},
    {"drag 10000 -10000 from 0 0", with(cmd(CommandKind::Drag), [](ScriptCommand& c) {
       c.dx = 10000;
       c.dy = -10000;
       c.fromGiven = true;
     })},
    {"key P", with(cmd(CommandKind::Key), [](ScriptCommand& c) { c.key = 'P'; })},
    {"key ?", with(cmd(CommandKind::Key), [](ScriptCommand& c) { c.key = '?'; })},
    {"key p", with(cmd(CommandKind::Key), [](ScriptCommand& c) { c.key = 'p'; })},
    {"key \"#\"", with(cmd(CommandKind::Key), [](ScriptCommand& c) { c.key = '#'; })},
    {"key Esc", with(cmd(CommandKind::Key), [](ScriptCommand& c) { c.key = 27; })},
    {"click middle 120 45", with(cmd(CommandKind::Click), [](ScriptCommand& c) {
       c.button = kMiddleButton;
       c.fromGiven = true;
       c.x = 120;
       c.y = 45;
     })},
    {"resize 300 1", with(cmd(CommandKind::Resize), [](ScriptCommand& c) {
       c.width = 300;
       c.height = 1;
     })},
    {"snap 01-start_v1.2", with(cmd(CommandKind::Snap), [](ScriptCommand& c) {
       c.text = "01-start_v1.2";
     })},
    {"\tkey C   # a comment after a command", with(cmd(CommandKind::Key), [](ScriptCommand& c) {
       c.key = 'C';
     })},
};

// Each line is checked on its own; the error names the line.
const struct {
  const char* line;
  const char* error;
} kBad[] = {
    {"jump 1 2",
     "expected a command (select, check, set, press, drag, key, click, resize, snap), found "
     "\"jump\""},
    {"Select Solid",
     "expected a command (select, check, set, press, drag, key, click, resize, snap), found "
     "\"Select\""},
    {"select",
     "expected the label of a radio button (Points, Wireframe, Solid, TRANSLATE, ROTATE, X, Y, "
     "Z), found end of line"},
    {"select Quit",
     "expected the label of a radio button (Points, Wireframe, Solid, TRANSLATE, ROTATE, X, Y, "
     "Z), found \"Quit\""},
    {"select Solid Wireframe", "expected end of line, found \"Wireframe\""},
    {"check Light on",
     "expected the label of a check box (\"Light On/Off\", \"Backface culling\", \"Look at "
     "Object\"), found \"Light\""},
    {"check \"Light On/Off\"", "expected on or off, found end of line"},
    {"check \"Light On/Off\" yes", "expected on or off, found \"yes\""},
    {"set \"# subdivisions\" 3",
     "expected the label of a spinner (\"# Subdivisions\", Hfov, Vfov), found \"# subdivisions\""},
    {"set Hfov", "expected the text to type, found end of line"},
    {"set Vfov \"30", "expected a closing \", found end of line"},
    {"press Reset", "expected the label of a button (\"Reset View\", Quit), found \"Reset\""},
    {"drag 10", "expected a whole number from -10000 to 10000, found end of line"},
    {"drag ten 0", "expected a whole number from -10000 to 10000, found \"ten\""},
    {"drag 1.5 0", "expected a whole number from -10000 to 10000, found \"1.5\""},
    {"drag 10001 0", "expected a whole number from -10000 to 10000, found \"10001\""},
    {"drag 1 1 sideways", "expected left, middle, right, from or end of line, found \"sideways\""},
    {"drag 1 1 left 5", "expected from or end of line, found \"5\""},
    {"drag 1 1 from 5", "expected a whole number from -10000 to 10000, found end of line"},
    {"drag 1 1 from 5 5 left", "expected end of line, found \"left\""},
    {"key", "expected one character or Esc, found end of line"},
    {"key #", "expected one character or Esc, found end of line"},
    {"key Enter", "expected one character or Esc, found \"Enter\""},
    {"click 120 45", "expected left, middle or right, found \"120\""},
    {"resize 0 200", "expected a whole number from 1 to 10000, found \"0\""},
    {"snap", "expected a file name of letters, digits, '.', '-' and '_', not starting with '.', "
             "found end of line"},
    {"snap ../escape", "expected a file name of letters, digits, '.', '-' and '_', not starting "
                       "with '.', found \"../escape\""},
    {"snap .hidden", "expected a file name of letters, digits, '.', '-' and '_', not starting "
                     "with '.', found \".hidden\""},
};

void expectSame(const ScriptCommand& want, const ScriptCommand& got, const char* line) {
  SCOPED_TRACE(line);
  EXPECT_EQ(want.kind, got.kind);
  EXPECT_STREQ(want.label, got.label);  // the text the panel is built with
  EXPECT_EQ(want.on, got.on);
  EXPECT_EQ(want.text, got.text);
  EXPECT_EQ(want.button, got.button);
  EXPECT_EQ(want.dx, got.dx);
  EXPECT_EQ(want.dy, got.dy);
  EXPECT_EQ(want.fromGiven, got.fromGiven);
  EXPECT_EQ(want.x, got.x);
  EXPECT_EQ(want.y, got.y);
  EXPECT_EQ(want.width, got.width);
  EXPECT_EQ(want.height, got.height);
  EXPECT_EQ(want.key, got.key);
}

// Good and bad lines interleaved with comments and blank lines, so that
// every command and every error must carry its own line number.
TEST(Script, ReadsEveryCommandAndReportsEveryBadLineWithItsNumber) {
  std::string text = "# a session\n\n";
  int line = 2;
  std::vector<int> goodLines;
  std::vector<std::string> wantErrors;
  const std::size_t rows = std::max(std::size(kGood), std::size(kBad));
  for (std::size_t i = 0; i < rows; ++i) {
    if (i < std::size(kGood)) {
      text += std::string(kGood[i].line) + "\n";
      goodLines.push_back(++line);
    }
    if (i < std::size(kBad)) {
      text += std::string(kBad[i].line) + "\n   \n";
      wantErrors.push_back("s.script:" + std::to_string(++line) + ": " + kBad[i].error);
      ++line;
    }
  }
  const Script script = parseScript(text, "s.script");
  EXPECT_EQ(wantErrors, script.errors);
  ASSERT_EQ(std::size(kGood), script.commands.size());
  for (std::size_t i = 0; i < std::size(kGood); ++i) {
    expectSame(kGood[i].want, script.commands[i], kGood[i].line);
    EXPECT_EQ(goodLines[i], script.commands[i].line) << kGood[i].line;
  }
}

TEST(ScriptDeathTest, BadOrUnreadableScriptExitsWithStatus2) {
  const std::string path = ::testing::TempDir() + "bad.script";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("key C\nkey\n", file);
  std::fclose(file);
  EXPECT_EXIT(loadScript(path), ::testing::ExitedWithCode(2),
              "bad.script:2: expected one character or Esc, found end of line\n$");
  EXPECT_EXIT(loadScript(path + ".missing"), ::testing::ExitedWithCode(2),
              "bad.script.missing: cannot read the script: No such file or directory\n$");
  std::remove(path.c_str());
}

}  // namespace
