#ifndef TEXT_PRINTABLE_H_
#define TEXT_PRINTABLE_H_

// Text a user gave (an option's value, a script's word or file name) as an
// error message may show it on a terminal: never able to move the cursor,
// recolour or retitle the terminal, or ring its bell, and never longer than a
// line. No GL, no output.

#include <cstddef>
#include <string>
#include <string_view>

// How many characters of one word a message shows.
constexpr std::size_t kShownCharacters = 64;

// text with every byte that is not part of a printable UTF-8 character (the
// C0 and C1 controls, DEL, malformed or overlong sequences) written as \xHH,
// two lowercase hex digits. When text holds more than kShownCharacters
// characters (an escaped byte counts as one), only the first ones are shown,
// followed by "... (N bytes)", N the size of the whole text.
std::string printable(std::string_view text);

#endif  // TEXT_PRINTABLE_H_
