#include "json/json_number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace talvoren {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Trims the white space a script's ToNumber ignores: ASCII space and controls, NBSP, U+FEFF,
// U+2028, U+2029 and U+3000. Enough for numeric texts stored in a draft.
std::string_view trimScriptSpace(std::string_view text) {
  static constexpr std::string_view kWide[] = {"\xC2\xA0", "\xEF\xBB\xBF", "\xE2\x80\xA8",
                                               "\xE2\x80\xA9", "\xE3\x80\x80"};
  for (bool trimmed = true; trimmed && !text.empty();) {
    trimmed = false;
    if (std::string_view(" \t\n\v\f\r").find(text.front()) != std::string_view::npos) {
      text.remove_prefix(1);
      trimmed = true;
    } else if (std::string_view(" \t\n\v\f\r").find(text.back()) != std::string_view::npos) {
      text.remove_suffix(1);
      trimmed = true;
    }
    for (std::string_view wide : kWide) {
      if (text.starts_with(wide)) text.remove_prefix(wide.size()), trimmed = true;
      if (text.ends_with(wide)) text.remove_suffix(wide.size()), trimmed = true;
    }
  }
  return text;
}

double hexNumber(std::string_view digits) {
  if (digits.empty()) return std::numeric_limits<double>::quiet_NaN();
  double value = 0;
  for (char c : digits) {
    int d = isDigit(c)                               ? c - '0'
            : (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10
                                                     : -1;
    if (d < 0) return std::numeric_limits<double>::quiet_NaN();
    value = value * 16 + d;
  }
  return value;
}

// sign? (digits (. digits?)? | . digits) ([eE] sign? digits)?
bool isDecimalLiteral(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

}  // namespace

void appendNumberText(std::string& out, double number) {
  if (std::isnan(number)) {
    out += "NaN";
    return;
  }
  if (number == 0) {
    out += '0';
    return;
  }
  if (number < 0) {
    out += '-';
    number = -number;
  }
  if (std::isinf(number)) {
    out += "Infinity";
    return;
  }
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
  (void)ec;  // 64 bytes always hold a double in scientific form
  // buffer: d[.ddd]e±XX; collect the digits and the exponent n (value = 0.digits × 10^n).
  std::string_view text(buffer, static_cast<size_t>(end - buffer));
  size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (c != '.') digits += c;
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end, exponent);
  int k = static_cast<int>(digits.size());
  int n = exponent + 1;
  if (k <= n && n <= 21) {
    out += digits;
    out.append(static_cast<size_t>(n - k), '0');
  } else if (0 < n && n <= 21) {
    out.append(digits, 0, static_cast<size_t>(n));
    out += '.';
    out.append(digits, static_cast<size_t>(n));
  } else if (-6 < n && n <= 0) {
    out += "0.";
    out.append(static_cast<size_t>(-n), '0');
    out += digits;
  } else {
    out += digits[0];
    if (k > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += n - 1 < 0 ? "e-" : "e+";
    out += std::to_string(std::abs(n - 1));
  }
}

std::string numberText(double number) {
  std::string out;
  appendNumberText(out, number);
  return out;
}

double scriptNumber(std::string_view text) {
  text = trimScriptSpace(text);
  if (text.empty()) return 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return hexNumber(text.substr(2));
  std::string_view unsignedText = text;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    unsignedText.remove_prefix(1);
  }
  if (unsignedText == "Infinity")
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  if (!isDecimalLiteral(text)) return std::numeric_limits<double>::quiet_NaN();
  // Validated above, so strtod reads exactly this text (it needs a terminated copy).
  std::string copy(text);
  return std::strtod(copy.c_str(), nullptr);
}

}  // namespace talvoren
