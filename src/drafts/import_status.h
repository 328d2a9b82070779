#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvoren {

// The status line while a draft's rows are added: row i of n is in, the last row is in, or the
// draft has no subtitles (n is 0). `draftName` is the name the user double-clicked.
std::string parsingStatusText(std::string_view draftName, int64_t row, int64_t rowCount);
std::string parsedStatusText(std::string_view draftName, int64_t row, int64_t rowCount);
std::string noSubtitlesStatusText(std::string_view draftName);

// Whichever of the three belongs after row `row` (1-based) of `rowCount`.
std::string importStatusText(std::string_view draftName, int64_t row, int64_t rowCount);

}  // namespace talvoren
