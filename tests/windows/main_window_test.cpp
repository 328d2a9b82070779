#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "drafts/default_draft_folder.h"
#include "platform/win32/run_time.h"
#include "platform/win32/shell_folders.h"
#include "window_probe.h"

namespace talvoren::app {
namespace {

using test::Box;
using test::boxIn;
using test::styleOf;
using test::textOf;

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    win32::initialiseRunTime();
    ASSERT_TRUE(loadMainWindow());
    window = mainWindow().handle();
  }
  void TearDown() override {
    if (!mainWindow().isLoaded()) return;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(win32::runMessageLoop(), 0);
  }
  HWND control(const char* name) { return mainWindow().control(name).handle(); }

  HWND window = nullptr;
};

TEST_F(MainWindowTest, FrameIsFixedCentredTopmostWithoutMenu) {
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 625);
  EXPECT_EQ(outer.bottom - outer.top, 515);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 625) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 515) / 2);

  const LONG_PTR style = styleOf(window);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "not maximisable";
  EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "taskbar button";
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
}

// Places in the window's client pixels: a control in a group box sits at the group box's place
// plus its own, and a group box on a tab page at the tab control's place plus its own.
TEST_F(MainWindowTest, EveryControlSitsAtItsPlace) {
  const struct {
    const char* name;
    Box box;
  } places[] = {
      {"高级选择夹", {8, 8, 605, 100}}, {"列表框", {8, 110, 605, 310}},
      {"修改框", {8, 426, 475, 37}},    {"另存为", {488, 425, 75, 40}},
      {"保存", {563, 425, 50, 40}},     {"分组框1", {16, 40, 590, 64}},
      {"草稿路径", {24, 63, 546, 25}},  {"路径设置1", {570, 63, 25, 25}},
      {"分组框3", {16, 40, 300, 64}},   {"保存路径", {21, 63, 188, 25}},
      {"路径设置2", {209, 63, 25, 25}}, {"路径打开", {236, 63, 72, 24}},
      {"分组框4", {317, 40, 144, 64}},  {"分组框5", {464, 40, 144, 64}},
      {"透明标签2", {479, 80, 64, 24}}, {"时间间隔", {534, 80, 36, 20}},
      {"透明标签1", {572, 79, 24, 24}},
  };
  for (const auto& place : places) {
    EXPECT_EQ(boxIn(control(place.name), window), place.box) << place.name;
  }
  // A drop-down list's height is that of its selection field, which follows its font.
  const struct {
    const char* name;
    int left, top, width;
  } lists[] = {{"保存样式", 332, 63, 124}, {"自动保存模式", 479, 55, 120}};
  for (const auto& list : lists) {
    const Box box = boxIn(control(list.name), window);
    EXPECT_EQ(box.left, list.left) << list.name;
    EXPECT_EQ(box.top, list.top) << list.name;
    EXPECT_EQ(box.width, list.width) << list.name;
  }
}

TEST_F(MainWindowTest, ControlsCarryTheirTextsAndInitialState) {
  const struct {
    const char* name;
    const char* text;
    bool enabled;
  } controls[] = {
      {"修改框", "", false},
      {"另存为", "另存为", true},
      {"保存", "保存", true},
      {"分组框1", "草稿路径：", true},
      {"路径设置1", "...", true},
      {"分组框3", "保存路径：", true},
      {"保存路径", "", true},
      {"路径设置2", "...", true},
      {"路径打开", "打开保存路径", true},
      {"分组框4", "保存样式：", true},
      {"分组框5", "自动保存模式：", true},
      {"透明标签2", "时间间隔：", true},
      {"时间间隔", "", false},
      {"透明标签1", "s/次", true},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(textOf(control(c.name)), c.text) << c.name;
    EXPECT_EQ(IsWindowEnabled(control(c.name)) != FALSE, c.enabled) << c.name;
  }
  const struct {
    const char* name;
    bool readOnly;
  } edits[] = {{"草稿路径", true}, {"保存路径", true}, {"修改框", false}, {"时间间隔", false}};
  for (const auto& edit : edits) {
    EXPECT_EQ((styleOf(control(edit.name)) & ES_READONLY) != 0, edit.readOnly) << edit.name;
    EXPECT_TRUE(GetWindowLongPtrW(control(edit.name), GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
        << edit.name << " has a border";
  }
  EXPECT_EQ(mainWindow().timer("时钟").period(), 0);
  // Filled once the window is created, until the settings restore it.
  EXPECT_EQ(textOf(control("草稿路径")), defaultDraftFolder(win32::desktopFolder()));
  EXPECT_TRUE(IsWindowEnabled(control("草稿路径")));
}

TEST_F(MainWindowTest, FoldersCannotBeTypedInto) {
  for (const char* name : {"草稿路径", "保存路径"}) {
    const HWND box = control(name);
    const std::string before = textOf(box);
    SetFocus(box);
    test::pressKey(box, 'A');
    SendMessageW(box, WM_CHAR, L'x', 1);
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_EQ(textOf(box), before) << name;
  }
}

TEST_F(MainWindowTest, TypingFromOutsideLeavesTheDraftFolderBoxUnchanged) {
  const HWND box = control("草稿路径");
  const std::string before = textOf(box);
  ASSERT_TRUE(test::xdotool(L"mousemove " + test::screenPoint(box, {10, 10}) +
                            L" click 1 type --delay 30 abc"));
  EXPECT_TRUE(test::pumpUntil([&] { return GetFocus() == box; })) << "the click reached it";
  EXPECT_EQ(textOf(box), before);
}

TEST_F(MainWindowTest, DropDownListsHoldTheirItemsWithTheFirstSelected) {
  const struct {
    const char* name;
    std::vector<std::string> items;
  } lists[] = {{"保存样式", {"纯文本(*.txt)", "字幕(*.srt)"}},
               {"自动保存模式", {"关闭自动保存", "首次读取保存", "定时自动保存"}}};
  for (const auto& list : lists) {
    const HWND combo = control(list.name);
    EXPECT_EQ(styleOf(combo) & 3, CBS_DROPDOWNLIST) << list.name << ": no typing";
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(list.items.size()));
    for (size_t i = 0; i < list.items.size(); ++i) {
      wchar_t item[64] = {};
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      EXPECT_EQ(toUtf8(item), list.items[i]) << list.name;
    }
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0) << list.name;
  }
}

TEST_F(MainWindowTest, FontsHaveTheirFacesAndCharacterHeights) {
  const struct {
    const char* name;
    const char* face;
    int height;
    bool bold;
  } fonts[] = {
      {"高级选择夹", "", 17, false},  {"列表框", "微软雅黑", 14, false},
      {"修改框", "", 16, false},      {"另存为", "", 19, false},
      {"保存", "", 19, false},        {"分组框1", "宋体", 16, false},
      {"路径设置1", "", 5, true},     {"分组框3", "宋体", 16, false},
      {"保存路径", "", 15, false},    {"路径设置2", "", 5, true},
      {"分组框4", "宋体", 15, false}, {"保存样式", "宋体", 15, false},
      {"分组框5", "宋体", 15, false}, {"自动保存模式", "宋体", 15, false},
  };
  for (const auto& font : fonts) {
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control(font.name), WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ASSERT_TRUE(GetObjectW(handle, sizeof logical, &logical)) << font.name;
    EXPECT_EQ(toUtf8(logical.lfFaceName), font.face) << font.name;
    EXPECT_EQ(logical.lfHeight, -font.height) << font.name;
    EXPECT_EQ(logical.lfWeight >= FW_BOLD, font.bold) << font.name;
    EXPECT_EQ(logical.lfCharSet, GB2312_CHARSET) << font.name;
  }
}

TEST_F(MainWindowTest, OpenSaveFolderLabelIsLightBlueWithAHandCursor) {
  const HWND label = control("路径打开");
  const HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(GetTextColor(dc), RGB(121, 191, 255));
  DeleteDC(dc);

  SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(MainWindowTest, SubtitleTableHasItsColumnsAndLook) {
  const HWND list = control("列表框");
  const LONG_PTR style = styleOf(list);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_FALSE(style & LVS_NOCOLUMNHEADER);
  EXPECT_FALSE(style & LVS_NOSORTHEADER) << "header items are clickable";
  EXPECT_FALSE(style & LVS_SHOWSELALWAYS) << "selection hidden without focus";
  EXPECT_FALSE(style & LVS_SINGLESEL) << "several rows selectable";
  EXPECT_FALSE(style & LVS_EDITLABELS);
  EXPECT_FALSE(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING));
  const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_FLATSB),
            LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_FLATSB);
  EXPECT_FALSE(extended & LVS_EX_CHECKBOXES);

  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  const struct {
    const char* title;
    int width;
  } columns[] = {{"                    时间", 200}, {"字幕", 400}};
  for (int i = 0; i < 2; ++i) {
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(toUtf8(title), columns[i].title);
    EXPECT_EQ(column.cx, columns[i].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(MainWindowTest, StatusBarRunsAlongTheBottomWithThreeParts) {
  const HWND bar = control("状态条");
  RECT client;
  GetClientRect(window, &client);
  const Box box = boxIn(bar, window);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.width, client.right);
  EXPECT_EQ(box.top + box.height, client.bottom);

  int edges[4] = {};
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 465);
  EXPECT_EQ(edges[1], 465 + 100);
  EXPECT_EQ(edges[2], 465 + 100 + 60);

  EXPECT_EQ(mainWindow().statusBar("状态条").partText(0), "欢迎使用Talvoren！");
  EXPECT_EQ(mainWindow().statusBar("状态条").partText(1), "版本号 Ver");
  EXPECT_FALSE(mainWindow().statusBar("状态条").partText(2).empty()) << "a credit";
  EXPECT_FALSE(styleOf(bar) & SBARS_SIZEGRIP) << "the frame is fixed";
}

TEST_F(MainWindowTest, TabsShowTheReadPageFirstAndSwitchOnAClick) {
  const HWND tab = control("高级选择夹");
  ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 2);
  for (int i = 0; i < 2; ++i) {
    wchar_t caption[16] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 16;
    SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(toUtf8(caption), i == 0 ? "读取" : "保存");
  }
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(IsWindowVisible(control("草稿路径")));
  EXPECT_FALSE(IsWindowVisible(control("保存路径")));

  RECT saveTab;
  SendMessageW(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&saveTab));
  test::click(tab, {(saveTab.left + saveTab.right) / 2, (saveTab.top + saveTab.bottom) / 2});
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(IsWindowVisible(control("草稿路径")));
  for (const char* name : {"保存路径", "路径打开", "保存样式", "自动保存模式", "时间间隔"}) {
    EXPECT_TRUE(IsWindowVisible(control(name))) << name;
  }

  RECT readTab;
  SendMessageW(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&readTab));
  // The user's own click, from outside the process.
  ASSERT_TRUE(test::xdotool(L"mousemove " +
                            test::screenPoint(tab, {(readTab.left + readTab.right) / 2,
                                                    (readTab.top + readTab.bottom) / 2}) +
                            L" click 1"));
  EXPECT_TRUE(test::pumpUntil([&] { return SendMessageW(tab, TCM_GETCURSEL, 0, 0) == 0; }));
  EXPECT_TRUE(IsWindowVisible(control("草稿路径")));
  EXPECT_FALSE(IsWindowVisible(control("保存路径")));
}

TEST_F(MainWindowTest, BindsExactlyTheEventsOfItsTable) {
  using win32::Event;
  using Binding = std::pair<std::string, Event>;
  std::vector<Binding> expected = {
      {"", Event::Created},
      {"", Event::PositionChanged},
      {"", Event::Destroying},
      {"草稿路径", Event::TextChanged},
      {"路径设置1", Event::Clicked},
      {"保存路径", Event::TextChanged},
      {"路径设置2", Event::Clicked},
      {"路径打开", Event::MouseDown},
      {"保存样式", Event::ItemSelected},
      {"自动保存模式", Event::ItemSelected},
      {"时间间隔", Event::TextChanged},
      {"时钟", Event::TimerElapsed},
      {"列表框", Event::DoubleClicked},
      {"列表框", Event::KeyDown},
      {"列表框", Event::MouseDown},
      {"修改框", Event::KeyDown},
      {"另存为", Event::Clicked},
      {"保存", Event::Clicked},
  };
  std::vector<Binding> bound = mainWindow().boundEvents();
  std::sort(expected.begin(), expected.end());
  std::sort(bound.begin(), bound.end());
  EXPECT_EQ(bound, expected);
}

// The caption's colour near its left end, as drawn on the screen.
COLORREF captionColour(HWND window) {
  const HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, 30, 10);
  ReleaseDC(window, dc);
  return colour;
}

TEST_F(MainWindowTest, KeepsItsActiveLookWhileTheDraftListWindowIsActive) {
  auto standIn = std::make_unique<win32::Form>(test::draftListStandIn());
  ASSERT_TRUE(standIn->load());
  const HWND draftList = standIn->handle();
  adoptDraftListWindow(std::move(standIn));
  win32::Form stranger{test::draftListStandIn()};
  ASSERT_TRUE(stranger.load());

  SetActiveWindow(window);
  SetActiveWindow(draftList);
  test::pumpMessages();
  ASSERT_EQ(GetActiveWindow(), draftList);
  EXPECT_EQ(captionColour(window), GetSysColor(COLOR_ACTIVECAPTION));

  SetActiveWindow(stranger.handle());
  test::pumpMessages();
  EXPECT_EQ(captionColour(window), GetSysColor(COLOR_INACTIVECAPTION)) << "any other window";
  stranger.destroy();
}

}  // namespace
}  // namespace talvoren::app
