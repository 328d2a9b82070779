#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace talvoren::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("talvoren-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as UTF-8 text with the system's separator at the end.
  std::string text() const {
    return utf8(path_) + static_cast<char>(std::filesystem::path::preferred_separator);
  }

  std::filesystem::path makeFolder(const std::string& utf8Name) const {
    const auto folder = path_ / std::filesystem::path(asU8(utf8Name));
    std::filesystem::create_directories(folder);
    return folder;
  }
  std::filesystem::path writeFile(const std::string& utf8Name, const std::string& bytes) const {
    const auto file = path_ / std::filesystem::path(asU8(utf8Name));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

  static std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
  }

 private:
  static std::u8string asU8(const std::string& text) {
    return std::u8string(text.begin(), text.end());
  }
  std::filesystem::path path_;
};

}  // namespace talvoren::test
