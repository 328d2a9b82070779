#include "drafts/import_status.h"

#include <gtest/gtest.h>

namespace talvoren {
namespace {

TEST(ImportStatus, TextsByteForByte) {
  EXPECT_EQ(parsingStatusText("B", 2, 3), " 草稿：B  解析中[ 2/ 3]");
  EXPECT_EQ(parsedStatusText("B", 3, 3), " 草稿：B  解析成功！[ 3/ 3]");
  EXPECT_EQ(noSubtitlesStatusText("X"), " 草稿：X  无字幕工程");
  EXPECT_EQ(parsedStatusText("", 10000, 10000), " 草稿：  解析成功！[ 10000/ 10000]");
}

TEST(ImportStatus, TheTextAfterEachRow) {
  const struct {
    int64_t row, count;
    const char* text;
  } cases[] = {
      {1, 3, " 草稿：草稿 1  解析中[ 1/ 3]"},
      {3, 3, " 草稿：草稿 1  解析成功！[ 3/ 3]"},
      {1, 1, " 草稿：草稿 1  解析成功！[ 1/ 1]"},
      {0, 0, " 草稿：草稿 1  无字幕工程"},
  };
  for (const auto& c : cases) EXPECT_EQ(importStatusText("草稿 1", c.row, c.count), c.text);
}

}  // namespace
}  // namespace talvoren
