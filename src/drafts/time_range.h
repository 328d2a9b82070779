#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// "start --> end" from a segment's start and duration value texts (microseconds). The end is
// computed as a number (both texts read as atof reads them, added in double precision, written
// with 13 significant digits), so a missing start or duration counts as 0.
std::string timeRangeText(std::string_view start, std::string_view duration);

}  // namespace talvoren
