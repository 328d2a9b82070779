#pragma once

#include <string>

namespace talvoren {

// One row of the subtitle table.
struct SubtitleRow {
  std::string timeRange;  // HH:MM:SS,mmm --> HH:MM:SS,mmm
  std::string text;
};

}  // namespace talvoren
