#include "session/script.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <utility>

#include "app/exit_status.h"
#include "app/panel_labels.h"
#include "text/printable.h"
#include "world/observer.h"

namespace {

constexpr int kMaxPixels = 10000;

const char* const kCommands =
    "a command (select, check, set, press, drag, key, click, resize, snap, trace, expect, echo, "
    "camera, world, raster)";

// How an error shows the word it found.
std::string describe(const std::string* word) {
  return word ? "\"" + printable(*word) + "\"" : std::string("end of line");
}

// The label as the panel builds it, or without its trailing blanks, or
// without those and a final colon too.
bool labelMatches(const char* built, const std::string& given, bool ignoreCase) {
  const auto same = [ignoreCase](const std::string& a, const std::string& b) {
    if (!ignoreCase) return a == b;
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) ==
                    std::tolower(static_cast<unsigned char>(y));
           });
  };
  std::string label = built;
  if (same(given, label)) return true;
  while (!label.empty() && label.back() == ' ') label.pop_back();
  if (same(given, label)) return true;
  if (!label.empty() && label.back() == ':') label.pop_back();
  return same(given, label);
}

// The control of this kind that the given label names: the one it matches
// exactly, or else the only one it matches without regard to case; nullptr
// when there is none, or several match only without regard to case.
const char* findLabel(ControlKind kind, const std::string& given) {
  const char* caseless = nullptr;
  int caselessCount = 0;
  for (const ControlLabel& control : kPanelControls) {
    if (control.kind != kind) continue;
    if (labelMatches(control.text, given, false)) return control.text;
    if (labelMatches(control.text, given, true)) {
      caseless = control.text;
      ++caselessCount;
    }
  }
  return caselessCount == 1 ? caseless : nullptr;
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

  // A finite decimal: sign, digits, point and exponent only, so that strtod's
  // extras (blanks, hex, "inf", "nan") are refused.
  bool decimal(const std::string& expected, double& out) {
    std::string w;
    if (!word(expected, w)) return false;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(w.c_str(), &end);
    const bool plain = !w.empty() && w.find_first_not_of("+-.0123456789eE") == std::string::npos;
    if (!plain || *end != '\0' || errno != 0 || !std::isfinite(value)) {
      fail(expected, &w);
      return false;
    }
    out = value;
    return true;
  }

  // A decimal in lo..hi, or in lo..hi with hi left out.
  bool decimalIn(const std::string& expected, double lo, double hi, bool hiIncluded, double& out) {
    const std::string* w = peek();
    const std::string given = w ? *w : std::string();
    if (!decimal(expected, out)) return false;
    if (out < lo || out > hi || (!hiIncluded && out == hi)) {
      fail(expected, &given);
      return false;
    }
    return true;
  }

  bool label(ControlKind kind, const char*& out) {
    const std::string expected = labelsOfKind(kind);
    std::string w;
    if (!word(expected, w)) return false;
    out = findLabel(kind, w);
    if (out) return true;
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

const char* const kExpectWhat =
    "eye, modelview, projection, flipped, trace or the label of a radio button, check box or "
    "spinner";
const char* const kNumber = "a number";

// The control holding a value (not a button) that the label names, by the rule of findLabel
// across those kinds, or nullptr.
const ControlLabel* valueControl(const std::string& given) {
  const ControlLabel* caseless = nullptr;
  int caselessCount = 0;
  for (const ControlLabel& control : kPanelControls) {
    if (control.kind == ControlKind::Button) continue;
    if (labelMatches(control.text, given, false)) return &control;
    if (labelMatches(control.text, given, true)) {
      caseless = &control;
      ++caselessCount;
    }
  }
  return caselessCount == 1 ? caseless : nullptr;
}

void parseNumbers(Line& line, int count, std::vector<double>& out) {
  for (int i = 0; i < count; ++i) {
    double value = 0.0;
    if (!line.decimal(kNumber, value)) return;
    out.push_back(value);
  }
}

// "within TOL" or the end of the line.
void parseWithin(Line& line, Expectation& e) {
  if (line.nextIs("within")) {
    std::string within;
    line.word("within", within);
    const char* expected = "a tolerance, a number of 0 or more";
    const std::string* given = line.peek();
    if (given) e.toleranceText = *given;
    if (line.decimalIn(expected, 0.0, HUGE_VAL, true, e.tolerance)) e.within = true;
  }
  line.end(e.within ? "end of line" : "within or end of line");
}

// A line of the trace's report and its numbers: four for eye and clip, three
// for ndc and window.
void parseTraceLine(Line& line, Expectation& e) {
  const char* const kLines = "eye, clip, ndc or window";
  std::string name;
  if (!line.word(kLines, name)) return;
  if (name == "eye") {
    e.traceLine = TraceLine::Eye;
  } else if (name == "clip") {
    e.traceLine = TraceLine::Clip;
  } else if (name == "ndc") {
    e.traceLine = TraceLine::Ndc;
  } else if (name == "window") {
    e.traceLine = TraceLine::Window;
  } else {
    line.fail(kLines, &name);
    return;
  }
  const bool four = e.traceLine == TraceLine::Eye || e.traceLine == TraceLine::Clip;
  parseNumbers(line, four ? 4 : 3, e.numbers);
}

void parseExpect(Line& line, ScriptCommand& c) {
  Expectation& e = c.expect;
  std::string what;
  if (!line.word(kExpectWhat, what)) return;
  if (what == "eye") {
    e.kind = ExpectKind::Eye;
    parseNumbers(line, 3, e.numbers);
    parseWithin(line, e);
  } else if (what == "modelview" || what == "projection") {
    e.kind = what == "modelview" ? ExpectKind::ModelView : ExpectKind::Projection;
    std::string pipeline;
    if (line.word("opengl or corvane", pipeline) && pipeline != "opengl" && pipeline != "corvane") {
      line.fail("opengl or corvane", &pipeline);
    }
    e.corvane = pipeline == "corvane";
    parseNumbers(line, 16, e.numbers);
    parseWithin(line, e);
  } else if (what == "flipped") {
    e.kind = ExpectKind::Flipped;
    int count = 0;
    line.number(0, kMaxPixels, count);
    e.numbers.push_back(count);
    line.end();
  } else if (what == "trace") {
    e.kind = ExpectKind::Trace;
    parseTraceLine(line, e);
    parseWithin(line, e);
  } else if (const ControlLabel* control = valueControl(what)) {
    e.kind = ExpectKind::Control;
    c.label = control->text;
    if (control->kind == ControlKind::Spinner) {
      parseNumbers(line, 1, e.numbers);
      parseWithin(line, e);
    } else {
      if (line.word("on or off", e.word) && e.word != "on" && e.word != "off") {
        line.fail("on or off", &e.word);
      }
      line.end();
    }
  } else {
    line.fail(kExpectWhat, &what);
  }
}

void parseCamera(Line& line, ScriptCommand& c) {
  std::string what;
  if (line.word("eye or aim", what) && what != "eye" && what != "aim")
    line.fail("eye or aim", &what);
  c.kind = what == "aim" ? CommandKind::CameraAim : CommandKind::CameraEye;
  for (int i = 0; i < 3; ++i) {
    double value = 0.0;
    line.decimalIn("a number from -10000 to 10000", -kMaxPixels, kMaxPixels, true, value);
    c.point.push_back(value);
  }
  line.end();
}

// Within the limits the world view keeps its observer in.
void parseWorld(Line& line, ScriptCommand& c) {
  std::string what;
  if (line.word("orbit", what) && what != "orbit") line.fail("orbit", &what);
  c.kind = CommandKind::WorldOrbit;
  double azimuth = 0.0, elevation = 0.0, distance = 0.0;
  line.decimalIn("an azimuth from -180 up to 180, in degrees", -180.0, 180.0, false, azimuth);
  const int maxElevation = static_cast<int>(kMaxElevation);
  const std::string elevations = "an elevation from " + std::to_string(-maxElevation) + " to " +
                                 std::to_string(maxElevation) + ", in degrees";
  line.decimalIn(elevations, -kMaxElevation, kMaxElevation, true, elevation);
  const std::string distances = "a distance from " +
                                std::to_string(static_cast<int>(kMinDistance)) + " to " +
                                std::to_string(static_cast<int>(kMaxDistance));
  line.decimalIn(distances, kMinDistance, kMaxDistance, true, distance);
  c.point = {azimuth, elevation, distance};
  line.end();
}

void parseEcho(Line& line, ScriptCommand& c) {
  std::string word;
  for (const char* separator = ""; line.peek(); separator = " ") {
    line.word("", word);
    c.text += separator + word;
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
  } else if (name == "trace") {
    c.kind = CommandKind::Trace;
    line.number(-kMaxPixels, kMaxPixels, c.x);
    line.number(-kMaxPixels, kMaxPixels, c.y);
  } else if (name == "snap") {
    c.kind = CommandKind::Snap;
    const char* expected =
        "a file name of letters, digits, '.', '-' and '_', not starting with '.'";
    if (line.word(expected, c.text) && !validFileName(c.text)) line.fail(expected, &c.text);
  } else if (name == "expect") {
    c.kind = CommandKind::Expect;
    parseExpect(line, c);
    return;
  } else if (name == "echo") {
    c.kind = CommandKind::Echo;
    parseEcho(line, c);
  } else if (name == "camera") {
    parseCamera(line, c);
  } else if (name == "world") {
    parseWorld(line, c);
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

std::string shortLabel(const char* built) {
  std::string label = built;
  while (!label.empty() && label.back() == ' ') label.pop_back();
  if (!label.empty() && label.back() == ':') label.pop_back();
  return label.find(' ') == std::string::npos ? label : "\"" + label + "\"";
}

Script parseScript(const std::string& text, const std::string& fileName) {
  Script script;
  const std::string shownName = printable(fileName);
  script.fileName = fileName;
  std::istringstream lines(text);
  std::string source;
  bool traced = false;  // a trace line came before: expect trace has numbers to check
  for (int number = 1; std::getline(lines, source); ++number) {
    std::vector<std::string> words;
    std::string error;
    if (source.size() > kMaxScriptLine) {
      // Nothing after it is read: one message for a file that is no script.
      script.errors.push_back(shownName + ":" + std::to_string(number) +
                              ": the line is longer than " + std::to_string(kMaxScriptLine) +
                              " bytes");
      break;
    }
    if (!splitWords(source, words)) {
      error = "expected a closing \", found end of line";
    } else if (!words.empty()) {
      Line line(std::move(words));
      ScriptCommand command;
      command.line = number;
      parseCommand(line, command);
      const bool traceExpected =
          command.kind == CommandKind::Expect && command.expect.kind == ExpectKind::Trace;
      if (line.failed()) {
        error = line.error();
      } else if (traceExpected && !traced) {
        error = "expected a trace on an earlier line, found none";
      } else {
        traced = traced || command.kind == CommandKind::Trace;
        script.commands.push_back(std::move(command));
      }
    }
    if (error.empty()) continue;
    if (script.errors.size() < kShownScriptErrors) {
      script.errors.push_back(shownName + ":" + std::to_string(number) + ": " + error);
    } else {
      ++script.unshownErrors;
    }
  }
  return script;
}

Script readScript(const std::string& path) {
  std::string text;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  int readError = file ? 0 : errno;
  if (file) {
    char buffer[4096];
    std::size_t n;
    while (text.size() <= kMaxScriptBytes && (n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
      text.append(buffer, n);
    }
    if (std::ferror(file)) readError = errno;
    std::fclose(file);
  }
  if (readError != 0) {
    Script unread;
    unread.fileName = path;
    unread.errors.push_back(printable(path) +
                            ": cannot read the script: " + std::strerror(readError));
    return unread;
  }
  if (text.size() > kMaxScriptBytes) {
    Script large;
    large.fileName = path;
    large.errors.push_back(printable(path) + ": the script is larger than " +
                           std::to_string(kMaxScriptBytes / (1024 * 1024)) + " MiB");
    return large;
  }
  return parseScript(text, path);
}

Script loadScript(const std::string& path) {
  Script script = readScript(path);
  for (const std::string& error : script.errors) std::cerr << error << '\n';
  if (script.unshownErrors > 0) {
    std::cerr << printable(path) << ": " << script.unshownErrors << " more bad lines\n";
  }
  if (!script.errors.empty()) {
    std::cerr.flush();
    std::exit(kExitUsage);
  }
  return script;
}
