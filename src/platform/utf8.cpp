#include "platform/utf8.h"

namespace talvoren {

size_t utf8SequenceLength(std::string_view text, size_t at, size_t& skip) {
  auto byte = [&](size_t i) -> unsigned {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
  };
  unsigned lead = byte(0);
  size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    skip = 1;
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    unsigned b = byte(i);
    bool fits = i == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
    if (!fits) {
      skip = i;
      return 0;
    }
  }
  return length;
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

std::string wellFormedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t at = 0;
  while (at < text.size()) {
    size_t run = at;
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) ++at;
    out.append(text.substr(run, at - run));
    if (at == text.size()) break;
    size_t skip = 0;
    if (size_t length = utf8SequenceLength(text, at, skip)) {
      out.append(text.substr(at, length));
      at += length;
    } else {
      out.append(kReplacementCharacter);
      at += skip;
    }
  }
  return out;
}

size_t utf16Length(std::string_view utf8) {
  size_t units = 0;
  for (unsigned char b : utf8) {
    if ((b & 0xC0) != 0x80) ++units;  // one per character start
    if (b >= 0xF0) ++units;           // and a second for a character beyond the BMP
  }
  return units;
}

}  // namespace talvoren
