#include <gtest/gtest.h>

#include <random>

#include "corpus.h"
#include "drafts/draft_reading.h"
#include "json/json_document.h"
#include "platform/file_bytes.h"
#include "temp_folder.h"

namespace talvoren {
namespace {

struct ExpectedRow {
  int index;
  const char* timeRange;
  const char* text;
};

struct CorpusDraft {
  const char* name;
  std::size_t rowCount;
  std::vector<ExpectedRow> rows;  // first, middle and last, checked by hand on the raw file
};

// Each row below was read off the raw draft_content.json: the segment whose material_id is the
// text material's id gives start and duration, and the words are those of the material's content.
const CorpusDraft kCorpus[] = {
    {"capcut-v109-cc3.8-four-text-tracks",
     112,
     {{0, "00:00:00,300 --> 00:00:01,133", "young people "},
      {56, "00:02:50,600 --> 00:02:53,500", "Amway Hero helps in achieving a balanced business"},
      {111, "00:01:05,533 --> 00:01:21,100",
       "Premium price point\nLack of brand recognition in the Philippines \nLimited distribution "
       "channel\nManaging a business is difficult\n"}}},
    {"capcut-v135-cc6.2-two-text-tracks",
     32,
     {{0, "00:00:00,133 --> 00:00:01,400", "TAITETAI"},
      {16, "00:00:56,766 --> 00:01:02,300", " Coral castles, shells to see"},
      {31, "00:01:57,600 --> 00:02:02,600", " Baby Starfish, splash the sound!"}}},
    {"capcut-v142-cc6.9-vietnamese-three-text-tracks",
     161,
     {{0, "00:00:00,000 --> 00:05:34,166", "@Linhreview360"},
      {80, "00:02:59,600 --> 00:03:02,966", "Đứa nhỏ này tuy có lúc đáng ghét,"},
      {160, "00:05:15,966 --> 00:05:18,366", "thảo nào Thiết Thuỳ cứ mong ngóng."}}},
    {"capcut-v153-cc7.8-vietnamese-subtitles",
     12,
     {{0, "00:00:05,166 --> 00:00:07,033", "Tôi tên là Trần Dương, mười năm trước ở kiếp trước,"},
      {6, "00:00:21,100 --> 00:00:22,566", "*lần nào cũng cộng vào thể chất cho tôi.*"},
      {11, "00:00:34,000 --> 00:00:37,133", "\"Đúng vậy, cô nhìn cơ bắp đó, mồ hôi đó kìa!\""}}},
    {"capcut-v155-cc7.9-arabic-uzbek-turkish-five-text-tracks",
     301,
     {{0, "00:00:06,100 --> 00:00:19,833", " كٓهيعٓصٓ"},
      {150, "00:11:47,100 --> 00:12:00,200",
       "51. Kitobda Musoni esla. \nAlbatta, u tanlab olingan Nabiy va Rasul edi."},
      {300, "00:00:00,000 --> 00:00:06,100",
       "Mehribon va rahmli \nAllohning nomi bilan boshlayman"}}},
    {"capcut-v179-cc9.1-no-texts", 0, {}},
    {"capcut-v68-cc1.5-markup-single-text", 1, {{0, "00:00:32,500 --> 00:00:34,233", "13:00"}}},
    {"capcut-v73-cc2.1-markup-242-subtitles",
     242,
     {{0, "00:00:00,100 --> 00:00:01,966", "这才是让人羡慕的生活男人"},
      {121, "00:03:44,466 --> 00:03:45,966", "剩下的老爹负责实现"},
      {241, "00:07:18,600 --> 00:07:21,033", "杰斯一家终于在阿拉斯加站稳脚跟"}}},
    {"jianying-v110-lv5.9-emoji-five-text-tracks",
     11,
     {{0, "00:00:00,000 --> 00:00:01,000", "列好的计划表"},
      {5, "00:00:01,000 --> 00:00:02,400", "Always play with the phone while executing tasks"},
      {10, "00:00:00,000 --> 00:00:05,500", "@CodeL"}}},
    {"jianying-v110-lv5.9-markup-181-texts-track2",
     181,
     {{0, "00:00:00,000 --> 00:00:01,877", "这个四十岁的老太要离二婚"},
      {90, "00:07:23,541 --> 00:07:30,432",
       "老大杨继业和老二杨袖娥是龙凤胎 老三杨袖芳 老四杨济民和老五杨袖香也是龙凤胎 "
       "这五个都已经成家了"},
      {180, "00:14:31,530 --> 00:14:42,000",
       "我说的哪句话不对 我脑门上这么大的伤你眼瞎看不见 平日里口口声声说真心关心我对我好的人 "
       "进来张口闭口就是孙老大 对我的伤势视而不见 既然你觉得孙老大那么好 你去嫁呗"}}},
    {"jianying-v110-lv5.9-richtext-21-texts",
     21,
     {{0, "00:00:00,000 --> 00:00:04,500", "庆历四年春，滕子京谪守巴陵郡。"},
      {10, "00:01:40,700 --> 00:01:49,400",
       "登斯楼也，则有心旷神怡，宠辱偕忘，把酒临风，其喜洋洋者矣。"},
      {20, "00:02:23,200 --> 00:02:42,100",
       "——宋代·范仲淹《岳阳楼记》https://www.gushiwen.cn/shiwenv_f3d6556dbcad.aspx"}}},
    {"jianying-v83-lv4.6.1-markup-two-texts",
     2,
     {{0, "00:00:00,000 --> 00:00:03,000", "默认文本"},
      {1, "00:00:03,000 --> 00:00:06,000", "默认文本"}}},
};

std::string draftFolder(const std::filesystem::path& corpus, const char* name) {
  return test::TempFolder::utf8(corpus / name);
}

TEST(CorpusDrafts, RowsOfEveryDraft) {
  const auto corpus = test::corpusDir("drafts");
  if (!corpus) GTEST_SKIP() << "no corpus at " TALVOREN_CORPUS_DIR "/drafts: real drafts not read";
  for (const auto& draft : kCorpus) {
    JsonDocument document;
    const DraftReading reading = readDraftFolder(draftFolder(*corpus, draft.name), document);
    EXPECT_EQ(reading.outcome, draft.rowCount ? DraftOutcome::rowsRead : DraftOutcome::noSubtitles)
        << draft.name;
    ASSERT_EQ(reading.rows.size(), draft.rowCount) << draft.name;
    for (const auto& row : draft.rows) {
      EXPECT_EQ(reading.rows[row.index].timeRange, row.timeRange) << draft.name << " " << row.index;
      EXPECT_EQ(reading.rows[row.index].text, row.text) << draft.name << " " << row.index;
    }
  }
}

// No row of a real draft may still hold markup or a JSON text, and every time is well formed.
TEST(CorpusDrafts, NoRowKeepsMarkupOrJson) {
  const auto corpus = test::corpusDir("drafts");
  if (!corpus) GTEST_SKIP() << "no corpus at " TALVOREN_CORPUS_DIR "/drafts: real drafts not read";
  for (const auto& draft : kCorpus) {
    JsonDocument document;
    const DraftReading reading = readDraftFolder(draftFolder(*corpus, draft.name), document);
    for (const auto& row : reading.rows) {
      EXPECT_FALSE(row.text.starts_with("<") || row.text.starts_with("{\""))
          << draft.name << ": " << row.text;
      EXPECT_EQ(row.timeRange.size(), 29u) << draft.name << ": " << row.timeRange;
    }
  }
}

// A draft cut short anywhere no longer loads; one with bytes changed may still load, but whatever
// it gives keeps the shape of a row.
TEST(CorpusDrafts, TruncatedAndFlippedDraftsEndAsTheyShould) {
  const auto corpus = test::corpusDir("drafts");
  if (!corpus) GTEST_SKIP() << "no corpus at " TALVOREN_CORPUS_DIR "/drafts: real drafts not read";
  std::mt19937 random(20211220);
  for (const auto& draft : kCorpus) {
    const Bytes bytes = fileBytes(draftFolder(*corpus, draft.name) + "/" + kDraftFileName);
    ASSERT_FALSE(bytes.empty()) << draft.name;
    for (int cut = 0; cut < 10; ++cut) {
      const std::size_t size = random() % (bytes.size() - 1);
      JsonDocument document;
      const DraftReading reading = readDraftBytes(bytes.substr(0, size), document);
      EXPECT_EQ(reading.outcome, DraftOutcome::notJson) << draft.name << " cut at " << size;
      EXPECT_TRUE(reading.rows.empty());
    }
    for (int flips = 1; flips <= 64; flips *= 4) {
      Bytes changed = bytes;
      for (int i = 0; i < flips; ++i) changed[random() % changed.size()] ^= 1 << (random() % 8);
      JsonDocument document;
      const DraftReading reading = readDraftBytes(changed, document);
      EXPECT_EQ(reading.outcome == DraftOutcome::rowsRead, !reading.rows.empty());
      for (const auto& row : reading.rows) {
        EXPECT_NE(row.timeRange.find(" --> "), std::string::npos) << draft.name;
      }
    }
  }
}

}  // namespace
}  // namespace talvoren
