#include "platform/text_encoding.h"

#include <cstring>

#include "platform/text_encoding_system.h"
#include "json/json_utf8.h"

namespace talvoren {
namespace {

std::string_view untilZero(const Bytes& bytes) {
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  if (!zero) return bytes;
  return std::string_view(bytes.data(), static_cast<const char*>(zero) - bytes.data());
}

std::u16string unitsUntilZero(const Bytes& wide) {
  std::u16string units;
  units.reserve(wide.size() / 2);
  for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(wide[i]) |
                                            static_cast<unsigned char>(wide[i + 1]) << 8);
    if (unit == 0) break;
    units += unit;
  }
  return units;
}

}  // namespace

Bytes multiByteToWide(const Bytes& bytes, unsigned codePage) {
  const std::string_view text = untilZero(bytes);
  if (text.empty()) return {};
  const std::u16string units = detail::systemToWide(text, codePage);
  if (units.empty()) return {};
  Bytes wide;
  wide.reserve(units.size() * 2 + 2);
  for (char16_t unit : units) {
    wide += static_cast<char>(unit & 0xFF);
    wide += static_cast<char>(unit >> 8);
  }
  wide.append(2, '\0');
  return wide;
}

Bytes wideToMultiByte(const Bytes& wide, unsigned codePage) {
  const std::u16string units = unitsUntilZero(wide);
  if (units.empty()) return {};
  Bytes bytes = detail::systemFromWide(units, codePage);
  return Bytes(untilZero(bytes));
}

std::string wideToCodePageText(const Bytes& wide, unsigned codePage, bool useGivenCodePage) {
  return wideToMultiByte(wide, useGivenCodePage ? codePage : detail::systemAnsiCodePage());
}

std::string wideToLocalText(const Bytes& wide) {
  return wideToCodePageText(wide, kLocalCodePage, true);
}

std::string utf8ToLocalText(const Bytes& utf8) {
  return wideToLocalText(multiByteToWide(utf8, kUtf8CodePage));
}

std::string utf8TextUntilZero(const Bytes& utf8) { return wellFormedUtf8(untilZero(utf8)); }

}  // namespace talvoren
