#pragma once

#include <filesystem>
#include <optional>

namespace talvoren::test {

// The shared corpus of real drafts and JSON conformance files, read in place; nothing when this
// checkout has no corpus beside it. Callers skip with GTEST_SKIP() and say so.
inline std::optional<std::filesystem::path> corpusDir(const char* sub) {
  std::filesystem::path dir = std::filesystem::path(TALVOREN_CORPUS_DIR) / sub;
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error)) return std::nullopt;
  return dir;
}

}  // namespace talvoren::test
