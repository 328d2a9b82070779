#include "platform/utf16.h"

#include "platform/utf8.h"

namespace talvoren {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at `at` and advances past it; each maximal ill-formed part reads as one
// U+FFFD, as the Windows converter reads it.
char32_t decodeUtf8(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  size_t skip = 0;
  const size_t length = utf8SequenceLength(text, at, skip);
  if (length == 0) {
    at += skip;
    return kReplacement;
  }
  char32_t c = lead & (0xFF >> (length + 1));
  for (size_t i = 1; i < length; ++i)
    c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  at += length;
  return c;
}

}  // namespace

std::wstring toUtf16(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const char32_t c = decodeUtf8(text, at);
    if (c < 0x10000) {
      out += static_cast<wchar_t>(c);
    } else {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string toUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t at = 0; at < text.size(); ++at) {
    const auto unit = static_cast<char32_t>(text[at]) & 0xFFFF;
    if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < text.size()) {
      const auto low = static_cast<char32_t>(text[at + 1]) & 0xFFFF;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++at;
        continue;
      }
    }
    appendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
  }
  return out;
}

}  // namespace talvoren
