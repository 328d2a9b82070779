#include "platform/number_text.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace talvoren {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;

// Full-width forms and the ideographic space are all three-byte UTF-8 sequences.
bool decodeThreeBytes(std::string_view text, size_t at, char32_t& out) {
  if (at + 3 > text.size()) return false;
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  if ((byte(0) & 0xF0) != 0xE0 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80) {
    return false;
  }
  out = (char32_t(byte(0) & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  return true;
}

}  // namespace

std::string foldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    char32_t c = 0;
    if (decodeThreeBytes(text, at, c)) {
      if (c >= kFullWidthFirst && c <= kFullWidthLast) {
        folded += static_cast<char>(c - kFullWidthFirst + 0x21);
        at += 3;
        continue;
      }
      if (c == kIdeographicSpace) {
        folded += ' ';
        at += 3;
        continue;
      }
    }
    folded += text[at++];
  }
  return folded;
}

double textToNumber(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  return std::strtod(folded.c_str(), nullptr);
}

int32_t textToInteger(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  const long long value = std::strtoll(folded.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

std::string integerToText(int64_t value) {
  return std::to_string(value);
}

std::string doubleToText(double value) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace talvoren
