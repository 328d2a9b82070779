#include "app/draft_import.h"

#include <windows.h>

#include <cstdint>

#include "app/main_window.h"
#include "app/shared_state.h"
#include "drafts/draft_reading.h"
#include "drafts/import_status.h"
#include "platform/win32/message_wait.h"
#include "platform/win32/report_list_filler.h"

namespace talvoren::app {
namespace {

// The progress text is set every this many rows: each set repaints the status bar, and nothing
// else is painted until the import is done.
constexpr int64_t kProgressStep = 500;

class DraftListDisabled {
 public:
  DraftListDisabled() : list_(draftListControl()) {
    if (list_) EnableWindow(list_, FALSE);
  }
  DraftListDisabled(const DraftListDisabled&) = delete;
  DraftListDisabled& operator=(const DraftListDisabled&) = delete;
  ~DraftListDisabled() {
    if (list_) EnableWindow(list_, TRUE);
  }

 private:
  static HWND draftListControl() {
    win32::Form* window = draftListWindow();
    return window && window->isLoaded() ? window->reportList("列表框").handle() : nullptr;
  }
  HWND list_;
};

void showStatus(win32::StatusBar& bar, const std::string& text) {
  bar.setPartText(0, text);
  UpdateWindow(bar.handle());
}

void appendRows(win32::ReportList& table, win32::StatusBar& bar,
                const std::vector<SubtitleRow>& rows, const std::string& name) {
  const auto count = static_cast<int64_t>(rows.size());
  win32::ReportListFiller filler(table.handle(), rows.size());
  for (int64_t i = 1; i <= count; ++i) {
    const SubtitleRow& subtitle = rows[static_cast<size_t>(i - 1)];
    filler.append(subtitle.timeRange, subtitle.text);
    if (i % kProgressStep == 0 || i == count) showStatus(bar, importStatusText(name, i, count));
  }
}

}  // namespace

void importDraft(const std::string& folder) {
  win32::Form& main = mainWindow();
  win32::ReportList& table = main.reportList("列表框");
  win32::StatusBar& bar = main.statusBar("状态条");
  table.deleteAllRows();
  const DraftListDisabled disabled;
  SharedState& state = sharedState();
  const DraftReading reading = readDraftFolder(folder, *state.json);
  if (reading.rows.empty()) {
    showStatus(bar, noSubtitlesStatusText(state.currentDraftName));
    return;
  }
  appendRows(table, bar, reading.rows, state.currentDraftName);
  // With nothing to wait for, this returns at once without dispatching any event, so the import
  // never handles input halfway. It runs once, not after every row: each wait makes a kernel
  // timer, which under Wine costs as much as a hundred rows.
  win32::waitPumpingMessages(0, 0);
}

}  // namespace talvoren::app
