#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/draft_import.h"
#include "app/shared_state.h"
#include "corpus.h"
#include "draft_test_drafts.h"
#include "drafts/draft_reading.h"
#include "json/json_document.h"

namespace talvoren::test {
namespace {

class DraftImportTest : public DraftWindowsTest {
 protected:
  void SetUp() override {
    DraftWindowsTest::SetUp();
    drafts.writeFile("A/draft_content.json", draftWithSubtitles({"甲一", "甲二", "甲三", "甲四"}));
    drafts.writeFile("B/draft_content.json", draftWithSubtitles({"第一句", "第二句", "第三句"}));
    drafts.writeFile("c.txt", "not a draft");
    drafts.makeFolder("X");
  }
  void expectDraftB() {
    EXPECT_EQ(column(table(), 0), kWorkedTimes);
    EXPECT_EQ(column(table(), 1), (std::vector<std::string>{"第一句", "第二句", "第三句"}));
    EXPECT_EQ(status(), " 草稿：B  解析成功！[ 3/ 3]");
    EXPECT_EQ(app::sharedState().currentDraftName, "B");
    EXPECT_TRUE(draftList().enabled());
  }
};

TEST_F(DraftImportTest, RealDoubleClickOnARowFillsTheTable) {
  listDrafts(3);
  SetForegroundWindow(app::draftListWindow()->handle());
  pumpMessages();
  const HWND list = draftList().handle();
  ASSERT_TRUE(xdotool(L"mousemove " + screenPoint(list, rowCentre(draftRow("B"))) +
                      L" click --repeat 2 --delay 80 1"));
  EXPECT_TRUE(pumpUntil([&] { return table().rowCount() == 3; }));
  expectDraftB();
}

TEST_F(DraftImportTest, DoubleClickBelowTheLastRowChangesNothing) {
  listDrafts(3);
  doubleClickDraft("B");
  const HWND list = draftList().handle();
  RECT last{};
  last.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
  doubleClick(list, {60, last.bottom + 40});
  expectDraftB();
  // The hit record tells why: the point was on no row.
  EXPECT_LT(app::sharedState().draftHit.item, 0);
  EXPECT_EQ(app::sharedState().draftHit.y, last.bottom + 40);
}

TEST_F(DraftImportTest, AFolderWithoutADraftFileShowsNoSubtitles) {
  listDrafts(3);
  doubleClickDraft("B");
  doubleClickDraft("X");
  EXPECT_EQ(table().rowCount(), 0);
  EXPECT_EQ(status(), " 草稿：X  无字幕工程");
  EXPECT_EQ(app::sharedState().currentDraftName, "X");
  EXPECT_TRUE(draftList().enabled());
}

TEST_F(DraftImportTest, ASecondImportReplacesAllRows) {
  listDrafts(3);
  doubleClickDraft("A");
  ASSERT_EQ(table().rowCount(), 4);
  EXPECT_EQ(status(), " 草稿：A  解析成功！[ 4/ 4]");
  table().setCell(0, 1, "edited by hand");
  doubleClickDraft("B");
  expectDraftB();
}

TEST_F(DraftImportTest, FolderNamesWithChineseSpacesAndEmojiImport) {
  const std::string name = "我的 草稿 😀";
  drafts.writeFile(name + "/draft_content.json", draftWithSubtitles({"你好 🌏", "  两个空格"}));
  listDrafts(4);
  doubleClickDraft(name);
  EXPECT_EQ(column(table(), 1), (std::vector<std::string>{"你好 🌏", "  两个空格"}));
  EXPECT_EQ(status(), " 草稿：" + name + "  解析成功！[ 2/ 2]");
}

// The subtitle table tells its window of every row that goes in; the draft list's state is looked
// at then.
struct EnabledWhileAdding {
  static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    auto& self = *reinterpret_cast<EnabledWhileAdding*>(data);
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_INSERTITEM) {
      self.seen.push_back(IsWindowEnabled(self.draftList) != FALSE);
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }
  HWND draftList;
  std::vector<bool> seen;
};

TEST_F(DraftImportTest, TheDraftListIsDisabledWhileTheImportRuns) {
  listDrafts(3);
  EnabledWhileAdding watch{draftList().handle(), {}};
  SetWindowSubclass(window, EnabledWhileAdding::watch, 1, reinterpret_cast<DWORD_PTR>(&watch));
  app::sharedState().currentDraftName = "B";
  app::importDraft(drafts.text() + "B");
  RemoveWindowSubclass(window, EnabledWhileAdding::watch, 1);
  EXPECT_EQ(watch.seen, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(draftList().enabled()) << "enabled again afterwards";
}

TEST_F(DraftImportTest, BadDraftsEndWithNoSubtitlesAndTheListEnabled) {
  const struct {
    const char* name;
    const char* content;
  } cases[] = {
      {"empty", ""},
      {"not json", "this is not JSON"},
      {"truncated", R"({"materials":{"texts":[{"content":"一"})"},
      {"texts not an array", R"({"materials":{"texts":{"content":"一"}}})"},
      {"texts empty", R"({"materials":{"texts":[]}})"},
  };
  for (const auto& c : cases)
    drafts.writeFile(std::string(c.name) + "/draft_content.json", c.content);
  listDrafts(3 + std::size(cases));
  for (const auto& c : cases) {
    doubleClickDraft("B");
    doubleClickDraft(c.name);
    EXPECT_EQ(table().rowCount(), 0) << c.name;
    EXPECT_EQ(status(), " 草稿：" + std::string(c.name) + "  无字幕工程");
    EXPECT_TRUE(draftList().enabled()) << c.name;
  }
}

// The largest real draft of the corpus: the table holds exactly the rows the core reads.
TEST_F(DraftImportTest, TheLargestCorpusDraftFillsTheTableWithTheCoresRows) {
  const auto corpus = corpusDir("drafts");
  if (!corpus) GTEST_SKIP() << "no corpus of real drafts beside this checkout (../shared/corpus)";
  std::filesystem::path largest;
  std::uintmax_t largestSize = 0;
  for (const auto& entry : std::filesystem::directory_iterator(*corpus)) {
    std::error_code error;
    const auto size = std::filesystem::file_size(entry.path() / kDraftFileName, error);
    if (!error && size > largestSize) {
      largest = entry.path();
      largestSize = size;
    }
  }
  ASSERT_FALSE(largest.empty()) << "no draft in " << TempFolder::utf8(*corpus);
  const std::string folder = TempFolder::utf8(largest.make_preferred());
  JsonDocument document;
  const DraftReading expected = readDraftFolder(folder, document);
  ASSERT_EQ(expected.outcome, DraftOutcome::rowsRead) << folder;

  app::sharedState().currentDraftName = TempFolder::utf8(largest.filename());
  app::importDraft(folder);
  ASSERT_EQ(table().rowCount(), static_cast<int>(expected.rows.size()));
  for (int row = 0; row < table().rowCount(); ++row) {
    EXPECT_EQ(table().cell(row, 0), expected.rows[row].timeRange) << "row " << row;
    EXPECT_EQ(table().cell(row, 1), expected.rows[row].text) << "row " << row;
  }
  const auto count = std::to_string(expected.rows.size());
  EXPECT_EQ(status(), " 草稿：" + app::sharedState().currentDraftName + "  解析成功！[ " + count +
                          "/ " + count + "]");
}

}  // namespace
}  // namespace talvoren::test
