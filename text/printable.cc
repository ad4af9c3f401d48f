#include "text/printable.h"

#include <cstdio>

namespace {

// The length of the printable UTF-8 character at text[i], or 0 when the byte
// there does not start one.
std::size_t printableLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead >= 0x20 && lead < 0x7f) return 1;
  std::size_t length = 0;
  unsigned codePoint = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
    codePoint = lead & 0x1fu;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    codePoint = lead & 0x0fu;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    codePoint = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xc0u) != 0x80u) return 0;
    codePoint = codePoint << 6 | (next & 0x3fu);
  }
  // The smallest code point each length may carry; below it is overlong.
  constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
  // Below 0xa0: the C1 controls (0x80..0x9f), which a terminal may obey.
  if (codePoint < kSmallest[length] || codePoint < 0xa0 || surrogate || codePoint > 0x10ffff) {
    return 0;
  }
  return length;
}

}  // namespace

std::string printable(std::string_view text) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == kShownCharacters) {
      return shown + "... (" + std::to_string(text.size()) + " bytes)";
    }
    const std::size_t length = printableLength(text, i);
    if (length > 0) {
      shown.append(text.substr(i, length));
      i += length;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[i]));
      shown += escaped;
      ++i;
    }
  }
  return shown;
}
