#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// The text between the first `left` marker (searched from the 1-based byte position `start`;
// below 1 means the beginning) and the next `right` marker after it; empty when either is
// missing. "#引号" in a marker stands for a double quote. Markers match only where a character
// begins, byte for byte unless ignoreCase (ASCII letters) is set.
std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        int start = 1, bool ignoreCase = false);

}  // namespace talvoren
