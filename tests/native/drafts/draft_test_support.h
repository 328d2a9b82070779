#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "drafts/draft_reading.h"

namespace talvoren::test {

inline std::string fixtureDraft(const std::string& name) {
  const std::u8string path =
      (std::filesystem::path(TALVOREN_FIXTURES_DIR) / "drafts" / name).u8string();
  return std::string(path.begin(), path.end());
}

// A JSON string literal of the text, for drafts written inside a test.
inline std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

inline std::vector<std::string> texts(const DraftReading& reading) {
  std::vector<std::string> out;
  for (const auto& row : reading.rows) out.push_back(row.text);
  return out;
}

inline std::vector<std::string> timeRanges(const DraftReading& reading) {
  std::vector<std::string> out;
  for (const auto& row : reading.rows) out.push_back(row.timeRange);
  return out;
}

}  // namespace talvoren::test
