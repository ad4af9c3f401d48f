// What a message shows of a user's text: printable UTF-8 as given, every
// other byte escaped, a long word cut to its start and its size.
#include "text/printable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

TEST(Printable, EscapesControlsAndMalformedBytesAndShortensLongWords) {
  using namespace std::string_literals;
  const struct {
    std::string text;
    std::string shown;
  } rows[] = {
      {"solid", "solid"},
      {"", ""},
      {"caf\u00e9 \u20ac \U0001F600 \\n", "caf\u00e9 \u20ac \U0001F600 \\n"},
      // An escape sequence that would retitle the terminal, BEL, NUL, DEL, tab.
      {"\x1b]0;owned\x07"s, "\\x1b]0;owned\\x07"},
      {"a\0b\x7f\t"s, "a\\x00b\\x7f\\x09"},
      // C1 CSI as UTF-8 and as a lone byte; overlong '/', a surrogate, a cut sequence.
      {"\xc2\x9b"
       "31m",
       "\\xc2\\x9b31m"},
      {"\x9b", "\\x9b"},
      {"\xc0\xaf", "\\xc0\\xaf"},
      {"\xed\xa0\x80", "\\xed\\xa0\\x80"},
      {"\xe2\x82", "\\xe2\\x82"},
      {std::string(64, 'w'), std::string(64, 'w')},
      {std::string(65, 'w'), std::string(64, 'w') + "... (65 bytes)"},
      // Escaped bytes count as one character each.
      {std::string(10000000, '\x1b'), repeated("\\x1b", 64) + "... (10000000 bytes)"},
  };
  for (const auto& row : rows) EXPECT_EQ(printable(row.text), row.shown) << row.shown;
}

}  // namespace
