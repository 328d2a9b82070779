#pragma once

// The system's half of the conversion chain: the Windows conversion functions on Windows, iconv
// elsewhere. Inputs hold no zero; results carry no terminator. Internal to text_encoding.

#include <string>
#include <string_view>

namespace talvoren::detail {

std::u16string systemToWide(std::string_view text, unsigned codePage);
std::string systemFromWide(std::u16string_view wide, unsigned codePage);
unsigned systemAnsiCodePage();

}  // namespace talvoren::detail
