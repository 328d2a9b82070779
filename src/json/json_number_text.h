#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// A number as a script writes it: shortest round-trip digits laid out as 25, 0.5, 1e+21, 1e-7,
// 123456789012345680000; -0 as "0"; "NaN", "Infinity", "-Infinity".
void appendNumberText(std::string& out, double number);
std::string numberText(double number);

// A text read as a script's ToNumber reads it: surrounding white space ignored, decimal or 0x
// hexadecimal, "Infinity" with a sign, the empty text as 0. Anything else is NaN.
double scriptNumber(std::string_view text);

}  // namespace talvoren
