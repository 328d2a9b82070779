#include "export/export_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace talvoren {
namespace {

const std::string kRange = "00:00:01,000 --> 00:00:02,500";

TEST(BuildExportText, Layouts) {
  const std::vector<SubtitleRow> one = {{kRange, "Hello"}};
  const std::vector<SubtitleRow> two = {{"t1", "A"}, {"t2", "B"}};
  const std::vector<SubtitleRow> emptyText = {{"t1", ""}, {"t2", "B"}, {"t3", ""}};
  const struct {
    const char* name;
    std::vector<SubtitleRow> rows;
    int style;
    std::string text;
  } cases[] = {
      {"empty table, plain", {}, 0, ""},
      {"empty table, SubRip", {}, 1, ""},
      {"one row, plain", one, 0, "Hello"},
      {"one row, SubRip", one, 1, "1\r\n" + kRange + "\r\nHello"},
      {"two rows, plain", two, 0, "A\r\nB"},
      {"two rows, SubRip", two, 1, "1\r\nt1\r\nA\r\n\r\n2\r\nt2\r\nB"},
      {"no selection is SubRip", two, -1, "1\r\nt1\r\nA\r\n\r\n2\r\nt2\r\nB"},
      {"empty cells, plain", emptyText, 0, "\r\nB\r\n"},
      {"empty cells, SubRip", emptyText, 1, "1\r\nt1\r\n\r\n\r\n2\r\nt2\r\nB\r\n\r\n3\r\nt3\r\n"},
      {"cells as they are", {{"typed by hand", "a\nb 😀"}}, 1, "1\r\ntyped by hand\r\na\nb 😀"},
  };
  for (const auto& c : cases) EXPECT_EQ(buildExportText(c.rows, c.style), c.text) << c.name;
}

TEST(BuildExportText, EntryNumbersGrowWithoutLeadingZeros) {
  const std::vector<SubtitleRow> rows(11, {"t", "x"});
  const std::string text = buildExportText(rows, 1);
  EXPECT_NE(text.find("\r\n\r\n10\r\nt\r\nx\r\n\r\n11\r\nt\r\nx"), std::string::npos);
  EXPECT_EQ(text.find("01"), std::string::npos);
}

TEST(ExportFileBytes, ByteOrderMarkThenUtf8) {
  EXPECT_EQ(exportFileBytes(""), "\xEF\xBB\xBF");
  EXPECT_EQ(exportFileBytes("字"), "\xEF\xBB\xBF\xE5\xAD\x97");
  // Characters GBK cannot hold reach the file.
  EXPECT_EQ(exportFileBytes("😀 한"), "\xEF\xBB\xBF\xF0\x9F\x98\x80 \xED\x95\x9C");
}

}  // namespace
}  // namespace talvoren
