#include "cli/options.h"

#include <cerrno>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
  Script,
  Out,
  Inspect,
  World,
  Raster,
  Mesh,
  Display,
  Geometry,
  XFlag
};

struct OptionRule {
  const char* name;
  Kind kind;
  // What a value may be, for messages; nullptr for options without a value.
  const char* accepted;
};

constexpr char kDepthRange[] = "a whole number from 1 to 8";
constexpr char kFovRange[] = "a number of degrees from 10 to 180";

constexpr OptionRule kOptions[] = {
    {"--help", Kind::Help, nullptr},
    {"-h", Kind::Help, nullptr},
    {"--version", Kind::Version, nullptr},
    {"--depth", Kind::Depth, kDepthRange},
    {"--mode", Kind::Mode, "points, wireframe or solid"},
    {"--light", Kind::Light, nullptr},
    {"--no-cull", Kind::NoCull, nullptr},
    {"--hfov", Kind::Hfov, kFovRange},
    {"--vfov", Kind::Vfov, kFovRange},
    {"--script", Kind::Script, "a file name"},
    {"--out", Kind::Out, "a directory name"},
    {"--inspect", Kind::Inspect, nullptr},
    {"--world", Kind::World, nullptr},
    {"--raster", Kind::Raster, nullptr},
    {"--mesh", Kind::Mesh, "a Wavefront OBJ file name"},
    // Read by glutInit; never written with '='.
    {"-display", Kind::Display, "an X display name such as :0"},
    {"-geometry", Kind::Geometry, "WIDTHxHEIGHT, +X+Y or both, as in 400x400+0+0"},
    {"-iconic", Kind::XFlag, nullptr},
    {"-sync", Kind::XFlag, nullptr},
    {"-gldebug", Kind::XFlag, nullptr},
    {"-direct", Kind::XFlag, nullptr},
    {"-indirect", Kind::XFlag, nullptr},
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

// Digits, at least one.
const char* skipDigits(const char* p) {
  const char* start = p;
  while (isDigit(*p)) ++p;
  return p == start ? nullptr : p;
}

// The X geometry syntax: [=][WIDTH][{xX}HEIGHT][{+-}X{+-}Y], not empty.
bool isGeometry(const char* text) {
  const char* p = text;
  if (*p == '=') ++p;
  if (*p == '\0') return false;
  if (isDigit(*p)) p = skipDigits(p);
  if (*p == 'x' || *p == 'X') {
    p = skipDigits(p + 1);
    if (p == nullptr) return false;
  }
  if (*p == '+' || *p == '-') {
    p = skipDigits(p + 1);
    if (p == nullptr || (*p != '+' && *p != '-')) return false;
    p = skipDigits(p + 1);
    if (p == nullptr) return false;
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
        return *value != '\0' || badValue(rule, value);
      case Kind::Geometry:
        o.geometry = true;
        return isGeometry(value) || badValue(rule, value);
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
    std::vsnprintf(result_->error, sizeof result_->error, format, args);
    va_end(args);
    return false;
  }

  bool badValue(const OptionRule& rule, const char* value) {
    return fail("viewer: option '%s' got '%s': expected %s", rule.name, value, rule.accepted);
  }

 private:
  ParsedCommandLine* result_;
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
  for (int i = 1; i < *argc && result.ok; ++i) {
    const char* arg = argv[i];
    if (arg[0] != '-' || arg[1] == '\0') {
      parser.fail("viewer: unexpected argument '%s'", arg);
      break;
    }
    // "--name=value" splits at the first '='; X options never do.
    const char* equals = arg[1] == '-' ? std::strchr(arg, '=') : nullptr;
    const size_t nameLength = equals ? static_cast<size_t>(equals - arg) : std::strlen(arg);
    const OptionRule* rule = findOption(arg, nameLength);
    if (rule == nullptr) {
      parser.fail("viewer: unknown option '%.*s'", static_cast<int>(nameLength), arg);
      break;
    }
    if (rule->accepted == nullptr) {
      if (equals) {
        parser.fail("viewer: option '%s' takes no value but got '%s'", rule->name, equals + 1);
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
  if (result.ok && !o.help && !o.version && o.out != nullptr && o.script == nullptr) {
    parser.fail("viewer: option '--out' got '%s' but needs '--script FILE' as well", o.out);
  }
  *argc = kept;
  argv[kept] = nullptr;
  return result;
}
