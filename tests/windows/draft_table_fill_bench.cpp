// How long the real subtitle table takes to fill with a large draft, under Wine or Windows.
// Not a test: run by hand, it prints its figures. Usage: draft_table_fill_bench [SUBTITLES]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/draft_import.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "draft_subtitles_generator.h"
#include "drafts/draft_reading.h"
#include "json/json_document.h"
#include "native/drafts/temp_folder.h"
#include "platform/win32/run_time.h"

namespace {

double millisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace talvoren;
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  const int subtitles = argc > 1 ? std::atoi(argv[1]) : 10000;
  win32::initialiseRunTime();
  app::createSharedState();
  if (!app::loadMainWindow()) return 1;

  const test::TempFolder drafts;
  const std::string draft = bench::generateSubtitleDraft(subtitles);
  drafts.writeFile("big/draft_content.json", draft);
  const std::string folder = drafts.text() + "big";
  std::printf("draft: %d subtitles, %.1f MB\n", subtitles, draft.size() / 1e6);

  for (int round = 1; round <= 3; ++round) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    JsonDocument document;
    const DraftReading reading = readDraftFolder(folder, document);
    const double readOnly = millisecondsSince(start);

    app::sharedState().currentDraftName = "big";
    QueryPerformanceCounter(&start);
    app::importDraft(folder);
    const double import = millisecondsSince(start);
    // What the user waits for: the rows painted.
    UpdateWindow(app::mainWindow().handle());
    RedrawWindow(app::mainWindow().handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double shown = millisecondsSince(start);
    std::printf(
        "round %d: reading %zu rows %.0f ms; importDraft %.0f ms, so the table filled in about "
        "%.0f ms; painted after %.0f ms; table rows %d\n",
        round, reading.rows.size(), readOnly, import, import - readOnly, shown,
        app::mainWindow().reportList("列表框").rowCount());
  }
  PostMessageW(app::mainWindow().handle(), WM_CLOSE, 0, 0);
  win32::runMessageLoop();
  return win32::finishProgram(0);
}
