#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// The two conversions at the Win32 boundary: UTF-8 inside, UTF-16 for the W functions.
// A std::wstring here holds UTF-16 code units on every platform (one wchar_t each), so the
// conversion is testable natively. Invalid input reads as U+FFFD.
std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace talvoren
