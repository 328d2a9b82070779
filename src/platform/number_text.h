#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvoren {

// Full-width forms (U+FF01..U+FF5E) become their ASCII twins and the ideographic space U+3000
// a blank; every other character is kept as it is.
std::string foldFullWidth(std::string_view text);

// The leading number of a text, read as the C library's atof reads it after full-width folding;
// 0 when no number leads the text.
double textToNumber(std::string_view text);

// The leading integer, read as atoi reads it after full-width folding, clamped to 32 bits;
// 0 when no integer leads the text.
int32_t textToInteger(std::string_view text);

std::string integerToText(int64_t value);

// General format with at most 13 significant digits ("%.13g").
std::string doubleToText(double value);

}  // namespace talvoren
