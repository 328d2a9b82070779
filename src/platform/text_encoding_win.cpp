#include <windows.h>

#include <string>

#include "platform/text_encoding_system.h"

namespace talvoren::detail {

// Both calls run twice, as a size query and then for the conversion, with flags 0: malformed input
// and missing characters are replaced, never refused.
std::u16string systemToWide(std::string_view text, unsigned codePage) {
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(units, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), units);
  return std::u16string(wide.begin(), wide.end());
}

std::string systemFromWide(std::u16string_view wide, unsigned codePage) {
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(codePage, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, units, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

unsigned systemAnsiCodePage() {
  return CP_ACP;
}

}  // namespace talvoren::detail
