#include "drafts/encryption_guess.h"

#include <algorithm>

namespace talvoren {
namespace {

constexpr std::size_t kSampleSize = 4096;
constexpr std::size_t kShortestBase64 = 64;

bool isBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isBase64(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
         c == '/' || c == '=' || c == '-' || c == '_';
}

// Control bytes and bytes that cannot stand where they stand in UTF-8. Only lead and
// continuation patterns are checked: enough to tell text from noise.
std::size_t nonTextBytes(std::string_view sample) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < sample.size(); ++at) {
    const auto c = static_cast<unsigned char>(sample[at]);
    if (c < 0x20 ? !isBlank(c) : c == 0x7F) {
      ++count;
    } else if (c >= 0x80) {
      const std::size_t more = c >= 0xF0 && c <= 0xF4 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 0;
      if (c > 0xF4 || (c < 0xC2)) {
        ++count;
        continue;
      }
      std::size_t i = 1;
      while (i <= more && at + i < sample.size() &&
             (static_cast<unsigned char>(sample[at + i]) & 0xC0) == 0x80) {
        ++i;
      }
      if (i <= more && at + i < sample.size()) ++count;  // a cut sequence at the end is fine
      at += i - 1;
    }
  }
  return count;
}

}  // namespace

bool looksEncrypted(std::string_view bytes) {
  std::string_view sample = bytes.substr(0, kSampleSize);
  if (sample.starts_with("\xEF\xBB\xBF")) sample.remove_prefix(3);
  const auto first = std::find_if_not(
      sample.begin(), sample.end(), [](char c) { return isBlank(static_cast<unsigned char>(c)); });
  if (first == sample.end() || *first == '{' || *first == '[') return false;
  sample = sample.substr(first - sample.begin());
  if (nonTextBytes(sample) * 10 >= sample.size()) return true;  // a tenth or more is noise
  const auto base64 = std::count_if(sample.begin(), sample.end(),
                                    [](char c) { return isBase64(static_cast<unsigned char>(c)); });
  const auto blanks = std::count_if(sample.begin(), sample.end(),
                                    [](char c) { return isBlank(static_cast<unsigned char>(c)); });
  const std::size_t letters = sample.size() - blanks;
  return letters >= kShortestBase64 && static_cast<std::size_t>(base64) * 100 >= letters * 98;
}

}  // namespace talvoren
