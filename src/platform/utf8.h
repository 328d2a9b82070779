#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvoren {

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence that starts at text[at] (a byte of 0x80 or more), or 0
// when it is ill-formed; then `skip` is the length of its maximal ill-formed part, which reads as
// one U+FFFD.
size_t utf8SequenceLength(std::string_view text, size_t at, size_t& skip);

void appendUtf8(std::string& out, char32_t codePoint);

// The text with each ill-formed part replaced by U+FFFD.
std::string wellFormedUtf8(std::string_view text);

// Length in UTF-16 code units, as a script's string length counts.
size_t utf16Length(std::string_view utf8);

}  // namespace talvoren
