#include "cli/options.h"

#include <cerrno>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>

#include "text/printable.h"

namespace {

enum class Kind {
  Help,
  Version,
  Depth,
  Mode,
  Light,
  NoCull,
  Hfov,
  Vfov,
  Near,
  Far,
  Script,
  Out,
  Check,
  Inspect,
  World,
  Stages,
  Raster,
  Mesh,
  Display,
  Geometry,
  XFlag
};

// Whether an option may be given again, the later value winning. An option
// is once-only unless its entry says otherwise: a repeated file, folder or
// display is more likely a mistake than a wish, and nothing is silently
// ignored.
enum class Repeat { Refused, LastWins };

struct OptionRule {
  const char* name;
  Kind kind;
  // What a value may be, for messages; nullptr for options without a value.
  const char* accepted;
  Repeat repeat = Repeat::Refused;
};

constexpr char kDepthRange[] = "a whole number from 1 to 8";
constexpr char kFovRange[] = "a number of degrees from 10 to 180";
constexpr char kDistance[] = "a distance above 0";

// The start values of nearPlane and farPlane (app/state.cc), against which a
// lone --near or --far must keep near < far.
constexpr float kStartNear = 0.1f;
constexpr float kStartFar = 1000.0f;

constexpr OptionRule kOptions[] = {
    {"--help", Kind::Help, nullptr, Repeat::LastWins},
    {"-h", Kind::Help, nullptr, Repeat::LastWins},
    {"--version", Kind::Version, nullptr, Repeat::LastWins},
    {"--depth", Kind::Depth, kDepthRange, Repeat::LastWins},
    {"--mode", Kind::Mode, "points, wireframe or solid", Repeat::LastWins},
    {"--light", Kind::Light, nullptr, Repeat::LastWins},
    {"--no-cull", Kind::NoCull, nullptr, Repeat::LastWins},
    {"--hfov", Kind::Hfov, kFovRange, Repeat::LastWins},
    {"--vfov", Kind::Vfov, kFovRange, Repeat::LastWins},
    {"--near", Kind::Near, kDistance, Repeat::LastWins},
    {"--far", Kind::Far, kDistance, Repeat::LastWins},
    {"--script", Kind::Script, "a file name"},
    {"--out", Kind::Out, "a directory name"},
    {"--check", Kind::Check, nullptr},
    {"--inspect", Kind::Inspect, nullptr, Repeat::LastWins},
    {"--world", Kind::World, nullptr, Repeat::LastWins},
    {"--stages", Kind::Stages, nullptr, Repeat::LastWins},
    {"--raster", Kind::Raster, nullptr, Repeat::LastWins},
    {"--mesh", Kind::Mesh, "a Wavefront OBJ file name"},
    // Read by glutInit; never written with '='.
    // Once: the display check must look at the display freeglut will open.
    {"-display", Kind::Display, "an X display name such as :0"},
    {"-geometry", Kind::Geometry,
     "WIDTHxHEIGHT, +X+Y or both, as in 400x400+0+0; sides 1 to 32767, offsets up to 32767",
     Repeat::LastWins},
    {"-iconic", Kind::XFlag, nullptr, Repeat::LastWins},
    {"-sync", Kind::XFlag, nullptr, Repeat::LastWins},
    {"-gldebug", Kind::XFlag, nullptr, Repeat::LastWins},
    {"-direct", Kind::XFlag, nullptr, Repeat::LastWins},
    {"-indirect", Kind::XFlag, nullptr, Repeat::LastWins},
};

const char* const kModeNames[] = {"points", "wireframe", "solid"};

bool isXOption(Kind kind) {
  return kind == Kind::Display || kind == Kind::Geometry || kind == Kind::XFlag;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Optional sign, then decimal digits only: "3", "+3", "-3"; not "3.0" or " 3".
bool parseWhole(const char* text, long* value) {
  const char* p = text;
  if (*p == '+' || *p == '-') ++p;
  if (*p == '\0') return false;
  for (const char* q = p; *q != '\0'; ++q) {
    if (!isDigit(*q)) return false;
  }
  errno = 0;
  *value = std::strtol(text, nullptr, 10);
  return errno == 0;
}

// A finite decimal number: sign, digits, point and exponent only, so that
// strtod's extras (blanks, hex, "inf", "nan") are refused; "1e999" overflows
// and is refused too.
bool parseDecimal(const char* text, double* value) {
  if (*text == '\0') return false;
  for (const char* q = text; *q != '\0'; ++q) {
    if (!isDigit(*q) && std::strchr(".eE+-", *q) == nullptr) return false;
  }
  errno = 0;
  char* end = nullptr;
  *value = std::strtod(text, &end);
  return *end == '\0' && errno == 0 && std::isfinite(*value);
}

// Digits, at least one, as a number of at most kMaxXCoordinate; nullptr when
// there are none or the number is larger.
constexpr int kMaxXCoordinate = 32767;

const char* readCoordinate(const char* p, int* value) {
  const char* start = p;
  long number = 0;
  while (isDigit(*p)) {
    number = number * 10 + (*p - '0');
    if (number > kMaxXCoordinate) return nullptr;
    ++p;
  }
  *value = static_cast<int>(number);
  return p == start ? nullptr : p;
}

// The X geometry syntax: [=][WIDTH][{xX}HEIGHT][{+-}X{+-}Y], not empty, every
// number within X's range and every side at least 1.
bool parseGeometry(const char* text, GeometryParts* parts) {
  const char* p = text;
  if (*p == '=') ++p;
  if (*p == '\0') return false;
  if (isDigit(*p)) {
    p = readCoordinate(p, &parts->width);
    if (p == nullptr || parts->width == 0) return false;
    parts->hasWidth = true;
  }
  if (*p == 'x' || *p == 'X') {
    p = readCoordinate(p + 1, &parts->height);
    if (p == nullptr || parts->height == 0) return false;
    parts->hasHeight = true;
  }
  if (*p == '+' || *p == '-') {
    parts->fromRight = *p == '-';
    p = readCoordinate(p + 1, &parts->x);
    if (p == nullptr || (*p != '+' && *p != '-')) return false;
    parts->fromBottom = *p == '-';
    p = readCoordinate(p + 1, &parts->y);
    if (p == nullptr) return false;
    parts->hasPosition = true;
  }
  return *p == '\0';
}

class Parser {
 public:
  explicit Parser(ParsedCommandLine* result) : result_(result) {}

  // Stores the value of a valued option; false (with the message) when the
  // value is not acceptable.
  bool take(const OptionRule& rule, const char* value) {
    ViewerOptions& o = result_->options;
    long whole = 0;
    double number = 0.0;
    switch (rule.kind) {
      case Kind::Depth:
        if (!parseWhole(value, &whole) || whole < 1 || whole > 8) return badValue(rule, value);
        o.depth = static_cast<int>(whole);
        return true;
      case Kind::Mode:
        for (int i = 0; i < 3; ++i) {
          if (std::strcmp(value, kModeNames[i]) == 0) {
            o.mode = i;
            return true;
          }
        }
        return badValue(rule, value);
      case Kind::Hfov:
      case Kind::Vfov: {
        if (!parseDecimal(value, &number) || number < 10.0 || number > 180.0) {
          return badValue(rule, value);
        }
        const bool h = rule.kind == Kind::Hfov;
        (h ? o.hasHfov : o.hasVfov) = true;
        (h ? o.hfov : o.vfov) = static_cast<float>(number);
        return true;
      }
      case Kind::Near:
      case Kind::Far: {
        // Finite and above 0 once it is the float the projection is built
        // from: "1e-50" and "1e39" are refused.
        if (!parseDecimal(value, &number)) return badValue(rule, value);
        const float asFloat = static_cast<float>(number);
        if (!(asFloat > 0.0f) || !std::isfinite(asFloat)) return badValue(rule, value);
        const bool n = rule.kind == Kind::Near;
        (n ? o.hasNear : o.hasFar) = true;
        (n ? o.nearPlane : o.farPlane) = asFloat;
        (n ? nearText_ : farText_) = value;
        return true;
      }
      case Kind::Mesh:
        if (*value == '\0') return badValue(rule, value);
        o.mesh = value;
        return true;
      case Kind::Script:
      case Kind::Out:
        if (*value == '\0') return badValue(rule, value);
        (rule.kind == Kind::Script ? o.script : o.out) = value;
        return true;
      case Kind::Display:
        o.display = true;
        return *value != '\0' || badValue(rule, value);
      case Kind::Geometry:
        o.geometry = true;
        o.placed = GeometryParts();
        return parseGeometry(value, &o.placed) || badValue(rule, value);
      default:
        return true;
    }
  }

  void set(Kind kind) {
    ViewerOptions& o = result_->options;
    switch (kind) {
      case Kind::Help:
        o.help = true;
        break;
      case Kind::Version:
        o.version = true;
        break;
      case Kind::Light:
        o.light = true;
        break;
      case Kind::NoCull:
        o.noCull = true;
        break;
      case Kind::Inspect:
        o.inspect = true;
        break;
      case Kind::World:
        o.world = true;
        break;
      case Kind::Check:
        o.check = true;
        break;
      case Kind::Stages:
        o.stages = true;
        break;
      case Kind::Raster:
        o.raster = true;
        break;
      default:
        break;
    }
  }

  __attribute__((format(printf, 2, 3))) bool fail(const char* format, ...) {
    result_->ok = false;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    result_->error.assign(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::vsnprintf(result_->error.data(), result_->error.size(), format, again);
    va_end(again);
    result_->error.pop_back();  // vsnprintf's terminating null
    return false;
  }

  bool badValue(const OptionRule& rule, const char* value) {
    return fail("viewer: option '%s' got '%s': expected %s", rule.name, printable(value).c_str(),
                rule.accepted);
  }

  // After all options: the near distance below the far one, each given or
  // at its start value. The message names the far option when it was given.
  void checkClippingDistances() {
    const ViewerOptions& o = result_->options;
    const float nearDistance = o.hasNear ? o.nearPlane : kStartNear;
    const float farDistance = o.hasFar ? o.farPlane : kStartFar;
    if (nearDistance < farDistance) return;
    if (o.hasFar) {
      fail("viewer: option '--far' got '%s' but needs a distance above the near one, %g",
           printable(farText_).c_str(), double{nearDistance});
    } else {
      fail("viewer: option '--near' got '%s' but needs a distance below the far one, %g",
           printable(nearText_).c_str(), double{farDistance});
    }
  }

 private:
  ParsedCommandLine* result_;
  const char* nearText_ = "";
  const char* farText_ = "";
};

const OptionRule* findOption(const char* name, size_t length) {
  for (const OptionRule& rule : kOptions) {
    if (std::strlen(rule.name) == length && std::strncmp(rule.name, name, length) == 0) {
      return &rule;
    }
  }
  return nullptr;
}

}  // namespace

ParsedCommandLine parseCommandLine(int* argc, char** argv) {
  ParsedCommandLine result;
  Parser parser(&result);
  int kept = 1;
  bool given[std::size(kOptions)] = {};
  for (int i = 1; i < *argc && result.ok; ++i) {
    const char* arg = argv[i];
    if (arg[0] != '-' || arg[1] == '\0') {
      if (result.options.check) {
        result.options.checkFiles.push_back(arg);
        continue;
      }
      parser.fail("viewer: unexpected argument '%s'", printable(arg).c_str());
      break;
    }
    // "--name=value" splits at the first '='; X options never do.
    const char* equals = arg[1] == '-' ? std::strchr(arg, '=') : nullptr;
    const size_t nameLength = equals ? static_cast<size_t>(equals - arg) : std::strlen(arg);
    const OptionRule* rule = findOption(arg, nameLength);
    if (rule == nullptr) {
      parser.fail("viewer: unknown option '%s'",
                  printable(std::string_view(arg, nameLength)).c_str());
      break;
    }
    bool& givenBefore = given[rule - kOptions];
    if (givenBefore && rule->repeat == Repeat::Refused) {
      parser.fail("viewer: option '%s' is given twice; it may be given once", rule->name);
      break;
    }
    givenBefore = true;
    if (rule->accepted == nullptr) {
      if (equals) {
        parser.fail("viewer: option '%s' takes no value but got '%s'", rule->name,
                    printable(equals + 1).c_str());
        break;
      }
      parser.set(rule->kind);
      if (isXOption(rule->kind)) argv[kept++] = argv[i];
      if (rule->kind == Kind::Help || rule->kind == Kind::Version) break;
      continue;
    }
    const char* value = equals ? equals + 1 : (i + 1 < *argc ? argv[i + 1] : nullptr);
    if (value == nullptr) {
      parser.fail("viewer: option '%s' needs a value: %s", rule->name, rule->accepted);
      break;
    }
    if (!parser.take(*rule, value)) break;
    if (isXOption(rule->kind)) {
      char* name = argv[i];
      char* given = argv[i + 1];
      argv[kept++] = name;
      argv[kept++] = given;
    }
    if (!equals) ++i;
  }
  const ViewerOptions& o = result.options;
  const bool run = result.ok && !o.help && !o.version;
  if (run && o.check && o.script != nullptr) {
    parser.fail("viewer: option '--check' cannot go with '--script %s'",
                printable(o.script).c_str());
  } else if (run && o.check && o.checkFiles.empty()) {
    parser.fail("viewer: option '--check' needs one or more script files");
  } else if (run && o.out != nullptr && o.script == nullptr && !o.check) {
    parser.fail("viewer: option '--out' got '%s' but needs '--script FILE' as well",
                printable(o.out).c_str());
  }
  if (run && result.ok) parser.checkClippingDistances();
  *argc = kept;
  argv[kept] = nullptr;
  return result;
}
