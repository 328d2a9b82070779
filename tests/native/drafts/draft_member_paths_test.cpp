// The reader walks the loaded tree instead of sending member path texts, for speed. For a draft
// laid out the old way (plain contents, text segments in order on the second track, no ids) its
// rows must be exactly those that the member paths give, whatever odd values the fields hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draft_test_support.h"
#include "drafts/draft_reading.h"
#include "drafts/timestamp.h"
#include "json/json_document.h"
#include "platform/file_bytes.h"
#include "platform/number_text.h"

namespace talvoren {
namespace {

std::vector<SubtitleRow> rowsThroughMemberPaths(JsonDocument& document) {
  std::vector<SubtitleRow> rows;
  const int count = document.arrayCount("materials.texts");
  for (int k = 0; k < count; ++k) {
    const std::string index = std::to_string(k);
    const std::string range = "tracks[1].segments[" + index + "]['target_timerange']";
    const std::string start = document.valueText(range + ".start");
    const double end = textToNumber(document.valueText(range + ".duration")) + textToNumber(start);
    rows.push_back({formatTimestamp(start) + " --> " + formatTimestamp(doubleToText(end)),
                    document.valueText("materials.texts[" + index + "].content")});
  }
  return rows;
}

void expectSameRows(const std::string& name, const std::string& json) {
  JsonDocument document;
  const DraftReading reading = readDraftBytes(json, document);
  const std::vector<SubtitleRow> expected = rowsThroughMemberPaths(document);
  ASSERT_EQ(reading.rows.size(), expected.size()) << name;
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(reading.rows[k].timeRange, expected[k].timeRange) << name << ", row " << k;
    EXPECT_EQ(reading.rows[k].text, expected[k].text) << name << ", row " << k;
  }
}

std::string oneSubtitle(const std::string& content, const std::string& range) {
  return R"({"materials":{"texts":[{"content":)" + content +
         R"(}]},"tracks":[{"segments":[]},{"segments":[{"target_timerange":)" + range + "}]}]}";
}

TEST(ReadDraftLikeMemberPaths, OddFieldValues) {
  const struct {
    const char* name;
    const char* content;
    const char* range;
  } cases[] = {
      {"plain", R"("你好 world")", R"({"start":1500000,"duration":1500000})"},
      {"line breaks and blanks", R"("  两行\n第二行 ")", R"({"start":0,"duration":1})"},
      {"fraction", R"("a")", R"({"start":1500000.75,"duration":0.5})"},
      {"exponent", R"("a")", R"({"start":1e7,"duration":2.5e6})"},
      {"negative duration", R"("a")", R"({"start":5000000,"duration":-1000000})"},
      {"start as text", R"("a")", R"({"start":"2000000","duration":1000000})"},
      {"start as words", R"("a")", R"({"start":"abc","duration":1000000})"},
      {"start true", R"("a")", R"({"start":true,"duration":1000000})"},
      {"start an array", R"("a")", R"({"start":[3000000],"duration":1000000})"},
      {"start an object", R"("a")", R"({"start":{},"duration":1000000})"},
      {"start null", R"("a")", R"({"start":null,"duration":1000000})"},
      {"no range", R"("a")", "null"},
      {"very long", R"("a")", R"({"start":360000000000000,"duration":1})"},
      {"content a number", "25", R"({"start":0,"duration":1})"},
      {"content true", "true", R"({"start":0,"duration":1})"},
      {"content an array", R"(["x",1,null])", R"({"start":0,"duration":1})"},
      {"content an object", R"({"k":1})", R"({"start":0,"duration":1})"},
      {"content null", "null", R"({"start":0,"duration":1})"},
  };
  for (const auto& c : cases) expectSameRows(c.name, oneSubtitle(c.content, c.range));
}

TEST(ReadDraftLikeMemberPaths, OldStyleFixture) {
  const FileContents file = readWholeFile(draftFilePath(test::fixtureDraft("positional-plain")));
  ASSERT_EQ(file.status, FileReadStatus::read);
  expectSameRows("positional-plain", file.bytes);
}

}  // namespace
}  // namespace talvoren
