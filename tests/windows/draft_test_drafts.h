#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/draft_list_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "native/drafts/temp_folder.h"
#include "platform/win32/run_time.h"
#include "window_probe.h"

namespace talvoren::test {

// A draft_content.json whose subtitles follow each other, 1.5 s each, from 0, in the form the
// editor wrote them: text materials, and their segments on the second track.
inline std::string draftWithSubtitles(const std::vector<std::string>& texts) {
  std::string materials, segments;
  for (size_t k = 0; k < texts.size(); ++k) {
    if (k) {
      materials += ",";
      segments += ",";
    }
    materials += R"({"content":")" + texts[k] + R"("})";
    segments += R"({"target_timerange":{"start":)" + std::to_string(k * 1500000) +
                R"(,"duration":1500000}})";
  }
  return R"({"materials":{"texts":[)" + materials +
         R"(]},"tracks":[{"segments":[]},{"segments":[)" + segments + "]}]}";
}

inline const std::vector<std::string> kWorkedTimes = {
    "00:00:00,000 --> 00:00:01,500",
    "00:00:01,500 --> 00:00:03,000",
    "00:00:03,000 --> 00:00:04,500",
};

// The main window with its draft list window listing a draft folder of the test's own.
class DraftWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    win32::initialiseRunTime();
    if (!app::sharedStateExists()) app::createSharedState();
    ASSERT_TRUE(app::loadMainWindow());
    window = app::mainWindow().handle();
  }
  void TearDown() override {
    if (!app::mainWindow().isLoaded()) return;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(win32::runMessageLoop(), 0);
  }

  // Lists `drafts.text()` in a new draft list window and waits until `rows` rows are in.
  void listDrafts(size_t rows) {
    app::mainWindow().edit("草稿路径").setText(drafts.text());
    ASSERT_TRUE(app::loadDraftListWindow());
    ASSERT_TRUE(pumpUntil([&] { return draftList().rowCount() == static_cast<int>(rows); }))
        << draftList().rowCount() << " rows listed";
  }

  win32::ReportList& draftList() { return app::draftListWindow()->reportList("列表框"); }
  win32::ReportList& table() { return app::mainWindow().reportList("列表框"); }
  std::string status() { return app::mainWindow().statusBar("状态条").partText(0); }

  int draftRow(const std::string& name) {
    for (int row = 0; row < draftList().rowCount(); ++row) {
      if (draftList().cell(row, 0) == name) return row;
    }
    return -1;
  }
  POINT rowCentre(int row) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageW(draftList().handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  // A double-click as the mouse gives it, posted to the draft list.
  void doubleClickDraft(const std::string& name) {
    const int row = draftRow(name);
    ASSERT_GE(row, 0) << name << " is listed";
    doubleClick(draftList().handle(), rowCentre(row));
  }

  std::vector<std::string> column(win32::ReportList& list, int index) {
    std::vector<std::string> cells;
    for (int row = 0; row < list.rowCount(); ++row) cells.push_back(list.cell(row, index));
    return cells;
  }

  TempFolder drafts;
  HWND window = nullptr;
};

}  // namespace talvoren::test
