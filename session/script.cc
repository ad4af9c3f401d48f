#include "session/script.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <utility>

#include "app/exit_status.h"
#include "app/panel_labels.h"

namespace {

constexpr int kMaxPixels = 10000;

const char* const kCommands =
    "a command (select, check, set, press, drag, key, click, resize, snap, raster)";

// How an error shows the word it found.
std::string describe(const std::string* word) {
  return word ? "\"" + *word + "\"" : std::string("end of line");
}

// The label as a script may write it: without trailing blanks and a final
// colon, in quotes when it holds a blank.
std::string shortLabel(const char* built) {
  std::string label = built;
  while (!label.empty() && label.back() == ' ') label.pop_back();
  if (!label.empty() && label.back() == ':') label.pop_back();
  return label.find(' ') == std::string::npos ? label : "\"" + label + "\"";
}

bool labelMatches(const char* built, const std::string& given) {
  std::string label = built;
  if (given == label) return true;
  while (!label.empty() && label.back() == ' ') label.pop_back();
  if (given == label) return true;
  if (!label.empty() && label.back() == ':') label.pop_back();
  return given == label;
}

std::string labelsOfKind(ControlKind kind) {
  static const char* const kNames[] = {"radio button", "check box", "spinner", "button"};
  std::string list = std::string("the label of a ") + kNames[static_cast<int>(kind)] + " (";
  const char* separator = "";
  for (const ControlLabel& control : kPanelControls) {
    if (control.kind != kind) continue;
    list += separator + shortLabel(control.text);
    separator = ", ";
  }
  return list + ")";
}

bool validFileName(const std::string& name) {
  if (name.empty() || name[0] == '.') return false;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    if (!plain) return false;
  }
  return true;
}

// Splits a line into words: blanks separate, double quotes make one word
// of what they enclose, `#` outside quotes ends the line. Returns false when
// a quote is not closed.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return false;
      words.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const std::size_t end = line.find_first_of(" \t\r#\"", i);
      words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return true;
}

// The words of one line, taken in order. The first failure is kept and
// every later call fails too, so a command's parser reads straight through.
class Line {
 public:
  explicit Line(std::vector<std::string> words) : words_(std::move(words)) {}

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }

  const std::string* peek() const { return next_ < words_.size() ? &words_[next_] : nullptr; }
  bool nextIs(const char* word) const { return peek() && *peek() == word; }

  void fail(const std::string& expected, const std::string* found) {
    if (!failed()) error_ = "expected " + expected + ", found " + describe(found);
  }

  bool word(const std::string& expected, std::string& out) {
    if (failed()) return false;
    const std::string* w = peek();
    if (!w) {
      fail(expected, w);
      return false;
    }
    out = *w;
    ++next_;
    return true;
  }

  // A whole number in lo..hi.
  bool number(int lo, int hi, int& out) {
    const std::string expected =
        "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
    std::string w;
    if (!word(expected, w)) return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(w.c_str(), &end, 10);
    const bool digits = !w.empty() && w.find_first_not_of("+-0123456789") == std::string::npos;
    if (!digits || *end != '\0' || errno != 0 || value < lo || value > hi) {
      fail(expected, &w);
      return false;
    }
    out = static_cast<int>(value);
    return true;
  }

  bool label(ControlKind kind, const char*& out) {
    const std::string expected = labelsOfKind(kind);
    std::string w;
    if (!word(expected, w)) return false;
    for (const ControlLabel& control : kPanelControls) {
      if (control.kind == kind && labelMatches(control.text, w)) {
        out = control.text;
        return true;
      }
    }
    fail(expected, &w);
    return false;
  }

  bool button(int& out) {
    std::string w;
    if (!word("left, middle or right", w)) return false;
    if (w == "left") {
      out = kLeftButton;
    } else if (w == "middle") {
      out = kMiddleButton;
    } else if (w == "right") {
      out = kRightButton;
    } else {
      fail("left, middle or right", &w);
      return false;
    }
    return true;
  }

  void end(const char* expected = "end of line") {
    if (peek()) fail(expected, peek());
  }

 private:
  std::vector<std::string> words_;
  std::size_t next_ = 0;
  std::string error_;
};

void parseDrag(Line& line, ScriptCommand& c) {
  line.number(-kMaxPixels, kMaxPixels, c.dx);
  line.number(-kMaxPixels, kMaxPixels, c.dy);
  const char* rest = "left, middle, right, from or end of line";
  if (line.nextIs("left") || line.nextIs("middle") || line.nextIs("right")) {
    line.button(c.button);
    rest = "from or end of line";
  }
  if (line.nextIs("from")) {
    std::string from;
    line.word("from", from);
    line.number(-kMaxPixels, kMaxPixels, c.x);
    line.number(-kMaxPixels, kMaxPixels, c.y);
    c.fromGiven = true;
    rest = "end of line";
  }
  line.end(rest);
}

void parseKey(Line& line, ScriptCommand& c) {
  std::string key;
  if (!line.word("one character or Esc", key)) return;
  if (key == "Esc") {
    c.key = kEscapeKey;
  } else if (key.size() == 1) {
    c.key = static_cast<unsigned char>(key[0]);
  } else {
    line.fail("one character or Esc", &key);
  }
}

void parseCommand(Line& line, ScriptCommand& c) {
  std::string name;
  line.word(kCommands, name);
  if (name == "select") {
    c.kind = CommandKind::Select;
    line.label(ControlKind::RadioButton, c.label);
  } else if (name == "check") {
    c.kind = CommandKind::Check;
    line.label(ControlKind::Checkbox, c.label);
    std::string state;
    if (line.word("on or off", state)) {
      if (state == "on" || state == "off") {
        c.on = state == "on";
      } else {
        line.fail("on or off", &state);
      }
    }
  } else if (name == "set") {
    c.kind = CommandKind::Set;
    line.label(ControlKind::Spinner, c.label);
    line.word("the text to type", c.text);
  } else if (name == "press") {
    c.kind = CommandKind::Press;
    line.label(ControlKind::Button, c.label);
  } else if (name == "drag") {
    c.kind = CommandKind::Drag;
    parseDrag(line, c);
    return;
  } else if (name == "key") {
    c.kind = CommandKind::Key;
    parseKey(line, c);
  } else if (name == "click") {
    c.kind = CommandKind::Click;
    line.button(c.button);
    line.number(-kMaxPixels, kMaxPixels, c.x);
    line.number(-kMaxPixels, kMaxPixels, c.y);
    c.fromGiven = true;
  } else if (name == "resize") {
    c.kind = CommandKind::Resize;
    line.number(1, kMaxPixels, c.width);
    line.number(1, kMaxPixels, c.height);
  } else if (name == "snap") {
    c.kind = CommandKind::Snap;
    const char* expected =
        "a file name of letters, digits, '.', '-' and '_', not starting with '.'";
    if (line.word(expected, c.text) && !validFileName(c.text)) line.fail(expected, &c.text);
  } else if (name == "raster") {
    c.kind = CommandKind::Raster;
    const char* expected = "picture, opengl or difference";
    if (line.word(expected, c.text) && c.text != "picture" && c.text != "opengl" &&
        c.text != "difference") {
      line.fail(expected, &c.text);
    }
  } else {
    line.fail(kCommands, &name);
  }
  line.end();
}

}  // namespace

Script parseScript(const std::string& text, const std::string& fileName) {
  Script script;
  std::istringstream lines(text);
  std::string source;
  for (int number = 1; std::getline(lines, source); ++number) {
    std::vector<std::string> words;
    std::string error;
    if (!splitWords(source, words)) {
      error = "expected a closing \", found end of line";
    } else if (!words.empty()) {
      Line line(std::move(words));
      ScriptCommand command;
      command.line = number;
      parseCommand(line, command);
      if (line.failed()) {
        error = line.error();
      } else {
        script.commands.push_back(std::move(command));
      }
    }
    if (!error.empty()) {
      script.errors.push_back(fileName + ":" + std::to_string(number) + ": " + error);
    }
  }
  return script;
}

Script loadScript(const std::string& path) {
  std::string text;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  int readError = file ? 0 : errno;
  if (file) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    if (std::ferror(file)) readError = errno;
    std::fclose(file);
  }
  if (readError != 0) {
    std::cerr << path << ": cannot read the script: " << std::strerror(readError) << std::endl;
    std::exit(kExitUsage);
  }
  Script script = parseScript(text, path);
  for (const std::string& error : script.errors) std::cerr << error << '\n';
  if (!script.errors.empty()) {
    std::cerr.flush();
    std::exit(kExitUsage);
  }
  return script;
}
