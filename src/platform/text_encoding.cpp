#include "platform/text_encoding.h"

#include <cstdint>
#include <cstring>

#include "platform/utf8.h"
#include "platform/text_encoding_system.h"

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

// Eight bytes at once: all below 0x80 and none zero. Drafts are mostly ASCII.
bool isAsciiWithoutZero(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  constexpr std::uint64_t kLow = 0x0101010101010101, kHigh = 0x8080808080808080;
  return ((word | ((word - kLow) & ~word)) & kHigh) == 0;
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

std::string utf8TextUntilZero(const Bytes& utf8) {
  return wellFormedUtf8(untilZero(utf8));
}

bool isUtf8Text(const Bytes& utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    if (utf8.size() - at >= 8 && isAsciiWithoutZero(utf8.data() + at)) {
      at += 8;
      continue;
    }
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte == 0) return false;
    if (byte < 0x80) {
      ++at;
      continue;
    }
    std::size_t skip = 0;
    const std::size_t length = utf8SequenceLength(utf8, at, skip);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

}  // namespace talvoren
