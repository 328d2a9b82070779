#include "platform/utf16.h"

namespace talvoren {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes one character at `at` and advances past it; a broken sequence yields U+FFFD and
// skips only the bytes that could have belonged to it.
char32_t decodeUtf8(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = sequenceLength(lead);
  if (length == 1) return text[at++];
  if (length == 0) {
    ++at;
    return kReplacement;
  }
  char32_t c = lead & (0xFF >> (length + 1));
  size_t taken = 1;
  for (; taken < length && at + taken < text.size(); ++taken) {
    const auto next = static_cast<unsigned char>(text[at + taken]);
    if ((next & 0xC0) != 0x80) break;
    c = (c << 6) | (next & 0x3F);
  }
  at += taken;
  if (taken < length) return kReplacement;
  const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
  const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
  if (overlong || surrogate || c > 0x10FFFF) return kReplacement;
  return c;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
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
