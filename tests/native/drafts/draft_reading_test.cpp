#include "drafts/draft_reading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "draft_test_support.h"
#include "json/json_document.h"
#include "temp_folder.h"

namespace talvoren {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

constexpr char kZero[] = "00:00:00,000 --> 00:00:00,000";

DraftReading read(const std::string& json) {
  JsonDocument document;
  return readDraftBytes(json, document);
}

TEST(ReadDraft, WorkedExampleOfThreeSubtitles) {
  JsonDocument document;
  const DraftReading reading = readDraftFolder(test::fixtureDraft("positional-plain"), document);
  EXPECT_EQ(reading.outcome, DraftOutcome::rowsRead);
  EXPECT_EQ(test::timeRanges(reading),
            (Strings{"00:00:00,000 --> 00:00:01,500", "00:00:01,500 --> 00:00:03,000",
                     "00:00:03,000 --> 00:00:04,500"}));
  EXPECT_EQ(test::texts(reading), (Strings{"第一句", "第二句", "第三句"}));
  EXPECT_EQ(document.arrayCount("materials.texts"), 3) << "the document keeps the draft";
}

TEST(ReadDraft, EndIsStartPlusDuration) {
  const DraftReading reading = read(R"({"materials":{"texts":[{"content":"x"}]},
      "tracks":[{},{"segments":[{"target_timerange":{"start":3599000000,"duration":2000000}}]}]})");
  ASSERT_EQ(reading.rows.size(), 1u);
  EXPECT_EQ(reading.rows[0].timeRange, "00:59:59,000 --> 01:00:01,000");
}

TEST(ReadDraft, DraftsWithoutRows) {
  const struct {
    const char* name;
    std::string bytes;
    DraftOutcome outcome;
  } cases[] = {
      {"empty file", "", DraftOutcome::notJson},
      {"not JSON", "Hello, this is not a draft.", DraftOutcome::notJson},
      {"truncated JSON", R"({"materials":{"texts":[{"content":"a"},{"con)", DraftOutcome::notJson},
      {"zero byte first", "\0{\"materials\":{\"texts\":[{\"content\":\"a\"}]}}"s,
       DraftOutcome::notJson},
      {"random bytes", "\x93\x11\xC8\x02\xFF\x7F\x00\x81\x15\x9A\xEE\x01\x02\x03\x04\x05"s,
       DraftOutcome::looksEncrypted},
      {"base64 text", std::string(200, 'Q') + "==", DraftOutcome::looksEncrypted},
      {"null", "null", DraftOutcome::noSubtitles},
      {"empty object", "{}", DraftOutcome::noSubtitles},
      {"materials.texts absent", R"({"materials":{"videos":[1]},"tracks":[{},{}]})",
       DraftOutcome::noSubtitles},
      {"materials.texts not an array", R"({"materials":{"texts":{"0":{"content":"a"}}}})",
       DraftOutcome::noSubtitles},
      {"materials.texts a string", R"({"materials":{"texts":"abc"}})", DraftOutcome::noSubtitles},
      {"materials.texts empty", R"({"materials":{"texts":[]}})", DraftOutcome::noSubtitles},
      {"a top-level array", R"([{"materials":{"texts":[{"content":"a"}]}}])",
       DraftOutcome::noSubtitles},
  };
  for (const auto& c : cases) {
    JsonDocument document;
    const DraftReading reading = readDraftBytes(c.bytes, document);
    EXPECT_EQ(reading.outcome, c.outcome) << c.name;
    EXPECT_TRUE(reading.rows.empty()) << c.name;
  }
}

TEST(ReadDraft, NotJsonSaysWhere) {
  const DraftReading reading = read("{\n  \"materials\": {\n    \"texts\": [1, 2,, 3]\n  }\n}");
  EXPECT_EQ(reading.outcome, DraftOutcome::notJson);
  EXPECT_EQ(reading.errorLine, 3);
  EXPECT_GT(reading.errorColumn, 0);
  EXPECT_FALSE(reading.errorDescription.empty());
}

TEST(ReadDraft, MissingOrNullFieldsGiveEmptyValues) {
  const DraftReading reading = read(R"({"materials":{"texts":[
      {"content":"no start"},
      {"content":"null start"},
      {"content":"no duration"},
      {"content":null},
      {},
      {"content":"no range"}]},
    "tracks":[{},{"segments":[
      {"target_timerange":{"duration":2000000}},
      {"target_timerange":{"start":null,"duration":2000000}},
      {"target_timerange":{"start":5000000}},
      {"target_timerange":{"start":1000000,"duration":null}},
      {"target_timerange":{"start":1000000,"duration":1000000}},
      {}]}]})");
  EXPECT_EQ(reading.outcome, DraftOutcome::rowsRead);
  EXPECT_EQ(test::timeRanges(reading),
            (Strings{"00:00:00,000 --> 00:00:02,000", "00:00:00,000 --> 00:00:02,000",
                     "00:00:05,000 --> 00:00:05,000", "00:00:01,000 --> 00:00:01,000",
                     "00:00:01,000 --> 00:00:02,000", kZero}));
  EXPECT_EQ(test::texts(reading),
            (Strings{"no start", "null start", "no duration", "", "", "no range"}));
}

TEST(ReadDraft, FewerSegmentsThanTextsOrNoSecondTrack) {
  const DraftReading fewer = read(R"({"materials":{"texts":[{"content":"a"},{"content":"b"}]},
      "tracks":[{},{"segments":[{"target_timerange":{"start":1000000,"duration":1000000}}]}]})");
  EXPECT_EQ(test::timeRanges(fewer), (Strings{"00:00:01,000 --> 00:00:02,000", kZero}));
  const DraftReading oneTrack = read(R"({"materials":{"texts":[{"content":"a"}]},
      "tracks":[{"segments":[{"target_timerange":{"start":1000000,"duration":1000000}}]}]})");
  EXPECT_EQ(test::timeRanges(oneTrack), (Strings{kZero}));
  const DraftReading noTracks = read(R"({"materials":{"texts":[{"content":"a"}]}})");
  EXPECT_EQ(test::timeRanges(noTracks), (Strings{kZero}));
}

// Drafts of the editor's newer versions name their material in each segment; older ones only
// put the text segments, in order, on the second track.
TEST(ReadDraft, SegmentsArePairedByMaterialIdOnAnyTrack) {
  const DraftReading reading = read(R"({"materials":{"texts":[
      {"id":"on-video-track","content":"a"},
      {"id":"later-on-track-3","content":"b"},
      {"content":"no id"},
      {"id":"named-by-no-segment","content":"d"},
      {"id":"twice","content":"e"}]},
    "tracks":[
      {"segments":[{"material_id":"on-video-track","target_timerange":{"start":7000000,"duration":1000000}}]},
      {"segments":[
        {"material_id":"x0","target_timerange":{"start":100000000,"duration":1}},
        {"material_id":"x1","target_timerange":{"start":101000000,"duration":1}},
        {"material_id":"x2","target_timerange":{"start":102000000,"duration":1}},
        {"material_id":"x3","target_timerange":{"start":103000000,"duration":1000}}]},
      {"segments":[{"material_id":"absent-material","target_timerange":{"start":1,"duration":1}},
                   {"material_id":"twice","target_timerange":{"start":20000000,"duration":1000000}}]},
      {"segments":[{"material_id":"later-on-track-3","target_timerange":{"start":9000000,"duration":500000}},
                   {"material_id":"twice","target_timerange":{"start":30000000,"duration":1000000}}]}]})");
  EXPECT_EQ(test::timeRanges(reading),
            (Strings{"00:00:07,000 --> 00:00:08,000",     // the segment that names it
                     "00:00:09,000 --> 00:00:09,500",     // on a later track
                     "00:01:42,000 --> 00:01:42,000",     // no id: tracks[1].segments[2]
                     "00:01:43,000 --> 00:01:43,001",     // unnamed: tracks[1].segments[3]
                     "00:00:20,000 --> 00:00:21,000"}));  // named twice: the first wins
  EXPECT_EQ(test::texts(reading), (Strings{"a", "b", "no id", "d", "e"}));
}

TEST(ReadDraft, ContentForms) {
  const struct {
    const char* name;
    std::string content;
    std::string text;
  } cases[] = {
      {"markup with font, color and size",
       R"(<font id="" path="C:/f.ttf"><color=(1.000000, 1.000000, 1.000000, 1.000000)><size=15.000000>[这才是生活]</size></color></font>)",
       "这才是生活"},
      {"markup with useLetterColor",
       R"(<useLetterColor><size=15><color=(0,0,0,1)><font id="" path="C:/en.ttf">[13:00]</font></color></size></useLetterColor>)",
       "13:00"},
      {"markup without brackets", R"(<font id="" face="">这个四十岁的老太要离二婚</font>)",
       "这个四十岁的老太要离二婚"},
      {"markup keeps inner brackets", "<b>[a] and [b]</b>", "a] and [b"},
      {"markup with empty brackets", "<b>[]</b>", ""},
      {"markup with an unclosed tag", "<b>[x] <i", "<b>[x] <i"},
      {"markup with an unclosed tag inside", "<b>[x] <i</b>", "[x] "},
      {"markup with a stray closing bracket", "<b>a > b</b>", "a > b"},
      {"rich text, text first", R"({"text":"young people ","styles":[{"range":[0,13]}]})",
       "young people "},
      {"rich text, styles first, spaced",
       R"({"styles": [{"range": [0, 14]}], "text": "  @Linh\nreview 😀"})", "  @Linh\nreview 😀"},
      {"rich text with escapes", R"({"text":"\"Đúng vậy\"\t\u3000!"})", "\"Đúng vậy\"\t\u3000!"},
      {"JSON whose text is not a string", R"({"text":5,"styles":[]})", R"({"text":5,"styles":[]})"},
      {"JSON without text", R"({"styles":[]})", R"({"styles":[]})"},
      {"JSON that does not parse", R"({"text":"a",})", R"({"text":"a",})"},
      {"text that starts with a brace", "{笑} 哈哈", "{笑} 哈哈"},
      {"text that starts with <", "<3 you", "<3 you"},
      {"plain text", "第一句", "第一句"},
      {"plain text in brackets", "[旁白]", "[旁白]"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    const DraftReading reading =
        read(R"({"materials":{"texts":[{"content":)" + test::quoted(c.content) + "}]}}");
    ASSERT_EQ(reading.rows.size(), 1u) << c.name;
    EXPECT_EQ(reading.rows[0].text, c.text) << c.name;
  }
}

TEST(ReadDraft, MalformedUtf8ReadsAsReplacementCharacters) {
  const DraftReading reading = read("{\"materials\":{\"texts\":[{\"content\":\"a\x80z 😀\"}]}}");
  ASSERT_EQ(reading.rows.size(), 1u);
  EXPECT_EQ(reading.rows[0].text, "a\xEF\xBF\xBDz 😀");
}

TEST(ReadDraftFolder, StructuresOfTheEditorsDrafts) {
  const struct {
    const char* fixture;
    Strings timeRanges;
    Strings texts;
  } cases[] = {
      {"markup-font-color-size",
       {"00:00:00,100 --> 00:00:01,966", "00:00:01,966 --> 00:00:04,966"},
       {"这才是生活", "默认文本"}},
      {"markup-letter-color-track6", {"00:00:32,500 --> 00:00:34,233"}, {"13:00"}},
      {"markup-font-face-track2",
       {"00:00:00,000 --> 00:00:01,877", "00:07:23,541 --> 00:07:30,432",
        "00:14:31,530 --> 00:14:42,000"},
       {"这个四十岁的老太要离二婚", "老大杨继业和老二杨袖娥是龙凤胎 老三杨袖芳", "你去嫁呗"}},
      {"richtext-empty-video-track",
       {"00:00:00,000 --> 00:00:04,500", "00:01:40,700 --> 00:01:49,400"},
       {"庆历四年春，滕子京谪守巴陵郡。", "  两行字\n第二行 "}},
      {"richtext-styles-first-text-tracks",
       {"00:00:00,000 --> 00:05:34,166", "00:00:01,000 --> 00:00:03,400",
        "00:02:59,600 --> 00:03:02,966", "00:05:15,966 --> 00:05:18,366"},
       {"标题 😀", "Xin chào các bạn", "\u3000第二句\nمرحبا", "Teşekkürler"}},
      {"text-tracks-5-and-6",
       {"00:00:00,133 --> 00:00:01,400", "00:00:56,766 --> 00:01:02,300"},
       {"TAITETAI", " Coral castles, shells to see"}},
  };
  for (const auto& c : cases) {
    JsonDocument document;
    const DraftReading reading = readDraftFolder(test::fixtureDraft(c.fixture), document);
    EXPECT_EQ(reading.outcome, DraftOutcome::rowsRead) << c.fixture;
    EXPECT_EQ(test::timeRanges(reading), c.timeRanges) << c.fixture;
    EXPECT_EQ(test::texts(reading), c.texts) << c.fixture;
  }
}

TEST(ReadDraftFolder, FoldersWithoutADraft) {
  test::TempFolder folder;
  folder.makeFolder("no draft file");
  folder.makeFolder("folder in its place/draft_content.json");
  folder.writeFile("empty/draft_content.json", "");
  folder.writeFile("草稿 😀/draft_content.json", R"({"materials":{"texts":[]}})");
  const struct {
    const char* name;
    DraftOutcome outcome;
  } cases[] = {
      {"missing folder", DraftOutcome::noFile},
      {"no draft file", DraftOutcome::noFile},
      {"folder in its place", DraftOutcome::unreadable},
      {"empty", DraftOutcome::notJson},
      {"草稿 😀", DraftOutcome::noSubtitles},
  };
  for (const auto& c : cases) {
    JsonDocument document;
    document.load(R"({"materials":{"texts":[1]}})");
    const DraftReading reading = readDraftFolder(folder.text() + c.name, document);
    EXPECT_EQ(reading.outcome, c.outcome) << c.name;
    EXPECT_TRUE(reading.rows.empty()) << c.name;
    EXPECT_EQ(document.arrayCount("materials.texts"), 0) << c.name << ": the old draft is gone";
  }
}

// The demo drafts that `make run` opens must show their words.
TEST(ReadDraftFolder, ExampleDrafts) {
  const std::filesystem::path examples =
      std::filesystem::path(TALVOREN_FIXTURES_DIR) / ".." / ".." / "examples" / "drafts";
  const struct {
    const char* name;
    Strings texts;
  } cases[] = {
      {"周末爬山",
       {"周末一早，我们出发去爬山。", "山脚下的空气特别清新 🌿", "  半山腰歇一歇，\n喝口水再走。",
        "终于到山顶啦！", "下次见 👋"}},
      {"做一碗面", {"先把水烧开", "面条下锅，煮三分钟", "加一把青菜和一个鸡蛋", "出锅前撒点葱花"}},
      {"旧版草稿", {"大家好，欢迎收看。", "今天我们聊聊读书。", "谢谢观看！"}},
  };
  for (const auto& c : cases) {
    JsonDocument document;
    const DraftReading reading = readDraftFolder(
        test::TempFolder::utf8(
            examples / std::filesystem::path(std::u8string(c.name, c.name + std::strlen(c.name)))),
        document);
    EXPECT_EQ(test::texts(reading), c.texts) << c.name;
  }
}

}  // namespace
}  // namespace talvoren
