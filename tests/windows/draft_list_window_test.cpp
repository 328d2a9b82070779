#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/draft_list_window.h"
#include "app/main_window.h"
#include "draft_test_drafts.h"
#include "drafts/draft_list_placement.h"
#include "platform/win32/process_version.h"
#include "thread_probe.h"

namespace talvoren {

void PrintTo(const WindowOrigin& origin, std::ostream* out) {
  *out << "{" << origin.left << ", " << origin.top << "}";
}

}  // namespace talvoren

namespace talvoren::test {
namespace {

using DraftListWindowTest = DraftWindowsTest;

HWND draftListHandle() {
  return app::draftListWindow()->handle();
}

TEST_F(DraftListWindowTest, FrameHasNoTitleBarNoTaskbarButtonAndStaysOnTop) {
  const HWND list = draftListHandle();
  RECT outer;
  GetWindowRect(list, &outer);
  EXPECT_EQ(outer.right - outer.left, 230);
  EXPECT_EQ(outer.bottom - outer.top, 515);
  const LONG_PTR style = styleOf(list);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION) << "no title bar";
  EXPECT_TRUE(style & WS_DLGFRAME) << "a dialog frame";
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  const LONG_PTR extended = GetWindowLongPtrW(list, GWL_EXSTYLE);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW) << "no taskbar button";
  EXPECT_TRUE(extended & WS_EX_TOPMOST);
  EXPECT_EQ(GetParent(list), nullptr) << "a top-level window of its own";
  EXPECT_EQ(GetWindow(list, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(list));
}

TEST_F(DraftListWindowTest, CannotBeMovedOrClosedByTheUser) {
  const HWND list = draftListHandle();
  RECT outer;
  GetWindowRect(list, &outer);
  for (const POINT at :
       {POINT{outer.left + 115, outer.top + 2}, POINT{outer.left + 1, outer.top + 1},
        POINT{outer.left + 115, outer.top + 4}}) {
    const auto hit = SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    EXPECT_NE(hit, HTCAPTION) << "nothing to drag";
    EXPECT_NE(hit, HTCLOSE);
  }
  // Alt+F4 on the focused draft list.
  SetForegroundWindow(list);
  draftList().focus();
  PostMessageW(draftList().handle(), WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
  PostMessageW(draftList().handle(), WM_SYSKEYUP, VK_F4, 1 | (1 << 29) | (3u << 30));
  pumpMessages();
  pumpMessages();
  EXPECT_TRUE(IsWindow(list));
  EXPECT_TRUE(app::draftListWindow()->isLoaded());
}

TEST_F(DraftListWindowTest, MainWindowKeepsItsActiveLookWhileTheDraftListWindowIsActive) {
  SetActiveWindow(window);
  SetActiveWindow(draftListHandle());
  pumpMessages();
  ASSERT_EQ(GetActiveWindow(), draftListHandle());
  // The caption as drawn on the screen, near its left end.
  const HDC dc = GetWindowDC(window);
  const COLORREF caption = GetPixel(dc, 30, 10);
  ReleaseDC(window, dc);
  EXPECT_EQ(caption, GetSysColor(COLOR_ACTIVECAPTION));
}

TEST_F(DraftListWindowTest, ListHasItsPlaceColumnsFontAndTheTablesLook) {
  const HWND list = draftList().handle();
  EXPECT_EQ(boxIn(list, draftListHandle()), (Box{8, 8, 205, 495}));
  const HWND subtitles = table().handle();
  EXPECT_EQ(styleOf(list), styleOf(subtitles));
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_EXSTYLE), GetWindowLongPtrW(subtitles, GWL_EXSTYLE));
  EXPECT_EQ(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
            SendMessageW(subtitles, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));

  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  const struct {
    const char* title;
    int width;
  } columns[] = {{"                 草稿列表", 200}, {"路径", 0}};
  for (int i = 0; i < 2; ++i) {
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(toUtf8(title), columns[i].title);
    EXPECT_EQ(column.cx, columns[i].width);
  }
  LOGFONTW font{};
  ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font,
                         &font));
  EXPECT_EQ(toUtf8(font.lfFaceName), "微软雅黑");
  EXPECT_EQ(font.lfHeight, -14);
}

// Where the draft list window must stand for the main window's place now, by the rule for the
// code the process sees.
WindowOrigin expectedOrigin(int code) {
  RECT main;
  GetWindowRect(app::mainWindow().handle(), &main);
  return draftListWindowOrigin(code, main.left, main.top, main.right - main.left);
}

WindowOrigin draftListOrigin() {
  RECT rect;
  GetWindowRect(draftListHandle(), &rect);
  return {rect.left, rect.top};
}

// Makes the process see another Windows version, as a compatibility rule would; restored after.
class SeenVersion {
 public:
  SeenVersion(ULONG major, ULONG minor) : saved_(win32::processVersionFields()) {
    win32::processVersionFields() = {major, minor};
  }
  ~SeenVersion() { win32::processVersionFields() = saved_; }

 private:
  win32::ProcessVersionFields saved_;
};

TEST_F(DraftListWindowTest, OsGenerationCodeFollowsTheVersionTheProcessSees) {
  OSVERSIONINFOW reported{};
  reported.dwOSVersionInfoSize = sizeof reported;
  ASSERT_TRUE(GetVersionExW(&reported));
  EXPECT_EQ(app::osGenerationCode(),
            osGenerationCodeFor(reported.dwMajorVersion, reported.dwMinorVersion));
  {
    SeenVersion windows7(6, 1);
    EXPECT_EQ(app::osGenerationCode(), 9);
  }
  {
    SeenVersion windows10(10, 0);
    EXPECT_EQ(app::osGenerationCode(), 12);
  }
}

TEST_F(DraftListWindowTest, StandsBesideTheMainWindowFromTheStart) {
  EXPECT_EQ(draftListOrigin(), expectedOrigin(app::osGenerationCode()));
  SetWindowPos(window, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  pumpMessages();
  ASSERT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_MINIMIZE, 0);
  RECT main;
  GetWindowRect(window, &main);
  ASSERT_EQ(main.left, 300);
  ASSERT_EQ(main.right - main.left, 625);
  if (app::osGenerationCode() == 12) {
    EXPECT_EQ(draftListOrigin(), (WindowOrigin{920, 200}));
  } else {
    EXPECT_EQ(draftListOrigin(), (WindowOrigin{927, 195}));
  }
}

TEST_F(DraftListWindowTest, FollowsEveryMoveOfTheMainWindowForEitherCode) {
  const struct {
    ULONG major, minor;
    int left, top;
    WindowOrigin origin;
  } moves[] = {
      {10, 0, 300, 200, {920, 200}},   {6, 4, 40, 30, {660, 30}},      {6, 1, 300, 200, {927, 195}},
      {5, 1, 10, 20, {637, 15}},       {10, 0, 900, 500, {1520, 500}},  // past the screen edge
      {6, 5, -200, -100, {427, -105}},
  };
  for (const auto& move : moves) {
    SeenVersion seen(move.major, move.minor);
    // Dragged in steps: the draft list window follows every reported position.
    for (int step : {40, 20, 0}) {
      SetWindowPos(window, nullptr, move.left + step, move.top + step, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
      EXPECT_EQ(draftListOrigin(), expectedOrigin(app::osGenerationCode()))
          << move.major << "." << move.minor << " step " << step;
    }
    EXPECT_EQ(draftListOrigin(), move.origin) << move.major << "." << move.minor;
  }
}

TEST_F(DraftListWindowTest, FollowsTheMainWindowWhenItIsMinimisedAndRestored) {
  SetWindowPos(window, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const WindowOrigin beside = draftListOrigin();
  ShowWindow(window, SW_MINIMIZE);
  pumpMessages();
  EXPECT_EQ(draftListOrigin(), expectedOrigin(app::osGenerationCode())) << "out of sight with it";
  ShowWindow(window, SW_RESTORE);
  pumpMessages();
  EXPECT_EQ(draftListOrigin(), beside);
}

TEST_F(DraftListWindowTest, ListsTheSubFoldersWithTheirFullPaths) {
  drafts.makeFolder("A");
  drafts.makeFolder("B");
  drafts.writeFile("c.txt", "not a draft");
  drafts.writeFile("A/draft_content.json", draftWithSubtitles({"一", "二", "三"}));
  listDrafts(2);
  std::vector<std::string> names = column(draftList(), 0);
  std::vector<std::string> paths = column(draftList(), 1);
  // In the order the system gives them, which is not ours to fix.
  std::sort(names.begin(), names.end());
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(paths, (std::vector<std::string>{drafts.text() + "A", drafts.text() + "B"}));
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(draftList().cell(row, 1), drafts.text() + draftList().cell(row, 0));
  }
}

TEST_F(DraftListWindowTest, AnEmptyOrMissingDraftFolderListsNothing) {
  for (const std::string& folder : {drafts.text(), drafts.text() + "missing\\"}) {
    drafts.writeFile("c.txt", "a file, not a draft");
    app::mainWindow().edit("草稿路径").setText(folder);
    ASSERT_TRUE(app::loadDraftListWindow());
    ASSERT_TRUE(pumpUntil(onlyThisThreadRuns)) << "the listing has ended";
    EXPECT_EQ(draftList().rowCount(), 0) << folder;
  }
}

TEST_F(DraftListWindowTest, FolderNamesWithChineseSpacesAndEmojiAreListed) {
  const std::vector<std::string> names = {"草稿 一", "  leading spaces", "表情😀🎬", "한국어"};
  for (const std::string& name : names) drafts.makeFolder(name);
  listDrafts(names.size());
  for (const std::string& name : names) {
    const int row = draftRow(name);
    ASSERT_GE(row, 0) << name;
    EXPECT_EQ(draftList().cell(row, 1), drafts.text() + name);
  }
}

TEST_F(DraftListWindowTest, ADraftFolderWithoutTrailingBackslashIsUsedAsItIs) {
  drafts.makeFolder("proj/A");
  drafts.makeFolder("project2");
  drafts.makeFolder("other");
  app::mainWindow().edit("草稿路径").setText(drafts.text() + "proj");
  ASSERT_TRUE(app::loadDraftListWindow());
  ASSERT_TRUE(pumpUntil([&] { return draftList().rowCount() == 2; }));
  std::vector<std::string> paths = column(draftList(), 1);
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths,
            (std::vector<std::string>{drafts.text() + "projproj", drafts.text() + "projproject2"}));
}

}  // namespace
}  // namespace talvoren::test
