#include "drafts/encryption_guess.h"

#include <gtest/gtest.h>

#include <string>

namespace talvoren {
namespace {

using namespace std::string_literals;

// `size` bytes of noise after the given start.
std::string noise(std::size_t size, std::string bytes = {}) {
  unsigned state = 12345;
  for (std::size_t i = 0; i < size; ++i) {
    state = state * 1103515245 + 12345;
    bytes += static_cast<char>(state >> 16);
  }
  return bytes;
}

TEST(LooksEncrypted, Cases) {
  const std::string base64 =
      "U2FsdGVkX1+"
      "3fQ8Ww9cZl0m1x2Yk8ZqFh3x0v5bH9pQeXx4nL0kz1C7u9T2r8s6Yq3w1e5r7t9y0u2i4o6p8a1s3d5f7g9"
      "h0j2k4l6z8x1c3v5b7n9m0==";
  const struct {
    const char* name;
    std::string bytes;
    bool encrypted;
  } cases[] = {
      {"random bytes", noise(5000), true},
      {"random bytes after a zero", noise(100, "\0"s), true},
      {"one base64 line", base64 + base64, true},
      {"base64 in wrapped lines", base64 + "\r\n" + base64 + "\n" + base64, true},
      {"broken JSON object", "{\"materials\": {\"texts\": [", false},
      {"broken JSON after blanks and a byte-order mark", "\xEF\xBB\xBF \n[1, 2", false},
      {"noise after an opening brace", noise(200, "{"), false},
      {"a sentence", "This is not a draft, it is a note.", false},
      {"Chinese text", "这不是草稿，只是一段说明文字。这不是草稿，只是一段说明文字。", false},
      {"a short word", "undefined", false},
      {"empty", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(looksEncrypted(c.bytes), c.encrypted) << c.name;
}

}  // namespace
}  // namespace talvoren
