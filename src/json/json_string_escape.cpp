#include <array>
#include <string_view>

#include "json/json_writer.h"

namespace talvoren {

namespace {

// 1: the byte is escaped or may start a character that is; 0: copied as it is.
constexpr std::array<bool, 256> kNeedsLook = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 0x20; ++c) table[c] = true;
  table['"'] = table['\\'] = table[0x7F] = true;
  for (int lead : {0xC2, 0xD8, 0xDC, 0xE1, 0xE2, 0xEF}) table[lead] = true;
  return table;
}();

// Whether the character escapes as \uXXXX: U+007F-U+009F, U+00AD, U+0600-U+0604, U+070F,
// U+17B4, U+17B5, U+200C-U+200F, U+2028-U+202F, U+2060-U+206F, U+FEFF, U+FFF0-U+FFFF (the
// characters some script engines and browsers treat as invisible or as line ends).
bool escapesAsUnicode(char32_t c) {
  return (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x600 && c <= 0x604) || c == 0x70F ||
         c == 0x17B4 || c == 0x17B5 || (c >= 0x200C && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202F) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || c >= 0xFFF0;
}

void appendUnicodeEscape(char32_t c, std::string& out) {
  static constexpr char kHex[] = "0123456789abcdef";
  char escape[6] = {
      '\\', 'u', kHex[(c >> 12) & 15], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15], kHex[c & 15]};
  out.append(escape, 6);
}

// Decodes the two- or three-byte character at text[at]; 0 when the bytes are not one.
char32_t decodeShort(std::string_view text, size_t at, size_t& length) {
  auto cont = [&](size_t i) {
    return at + i < text.size() && (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
  };
  unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0xE0) {
    if (!cont(1)) return 0;
    length = 2;
    return ((lead & 0x1Fu) << 6) | (text[at + 1] & 0x3F);
  }
  if (!cont(1) || !cont(2)) return 0;
  length = 3;
  return ((lead & 0x0Fu) << 12) | ((text[at + 1] & 0x3Fu) << 6) | (text[at + 2] & 0x3F);
}

}  // namespace

void appendQuotedJson(std::string_view text, std::string& out) {
  out += '"';
  size_t at = 0;
  while (at < text.size()) {
    size_t run = at;
    while (at < text.size() && !kNeedsLook[static_cast<unsigned char>(text[at])]) ++at;
    out.append(text, run, at - run);
    if (at == text.size()) break;
    unsigned char c = static_cast<unsigned char>(text[at]);
    const char* simple = nullptr;
    switch (c) {
      case '"':
        simple = "\\\"";
        break;
      case '\\':
        simple = "\\\\";
        break;
      case '\b':
        simple = "\\b";
        break;
      case '\t':
        simple = "\\t";
        break;
      case '\n':
        simple = "\\n";
        break;
      case '\f':
        simple = "\\f";
        break;
      case '\r':
        simple = "\\r";
        break;
      default:
        break;
    }
    if (simple) {
      out += simple;
      ++at;
    } else if (c < 0x80) {
      appendUnicodeEscape(c, out);
      ++at;
    } else {
      size_t length = 1;
      char32_t decoded = decodeShort(text, at, length);
      if (decoded != 0 && escapesAsUnicode(decoded))
        appendUnicodeEscape(decoded, out);
      else
        out.append(text, at, length);
      at += length;
    }
  }
  out += '"';
}

}  // namespace talvoren
