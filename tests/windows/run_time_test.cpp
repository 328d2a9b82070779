#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/form.h"
#include "platform/win32/run_time.h"
#include "window_probe.h"

namespace talvoren::win32 {
namespace {

// A small form with one control of each kind the run time's rules are about.
WindowSpec testFormSpec() {
  ControlSpec edit{.name = "编辑框", .kind = ControlKind::Edit, .place = {10, 10, 200, 24}};
  ControlSpec combo{.name = "列表", .kind = ControlKind::ComboBox, .place = {10, 40, 200, 24}};
  combo.items = {"零", "一", "二"};
  combo.selection = 0;
  ControlSpec list{.name = "表格", .kind = ControlKind::ReportList, .place = {10, 70, 300, 150}};
  list.columns = {{"甲", 100}, {"乙", 150}};
  ControlSpec button{.name = "按钮", .kind = ControlKind::Button, .place = {220, 10, 80, 24}};
  button.text = "按";
  ControlSpec bar{.name = "状态", .kind = ControlKind::StatusBar};
  bar.partWidths = {100, 100};
  bar.partTexts = {"一", "二"};
  ControlSpec timer{.name = "计时", .kind = ControlKind::Timer};
  ControlSpec label{.name = "标签", .kind = ControlKind::Label, .place = {220, 40, 80, 20}};
  label.text = "打开";
  return {.className = L"TalvorenRunTimeTest",
          .caption = "run time",
          .outerWidth = 400,
          .outerHeight = 300,
          .style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
          .controls = {edit, combo, list, button, bar, timer, label}};
}

class RunTimeTest : public testing::Test {
 protected:
  void SetUp() override {
    initialiseRunTime();
    ASSERT_TRUE(form.load());
  }
  void TearDown() override {
    if (!form.isLoaded()) return;
    form.destroy();
    EXPECT_EQ(runMessageLoop(), 0);
  }
  Form form{testFormSpec()};
};

TEST_F(RunTimeTest, WritingAnEditsTextRaisesTextChangedOnceEvenWhenUnchanged) {
  std::vector<std::string> seen;
  form.on("编辑框", Event::TextChanged,
          [&](const EventArgs&) { seen.push_back(form.edit("编辑框").text()); });
  form.edit("编辑框").setText("十秒");
  EXPECT_EQ(seen, std::vector<std::string>{"十秒"}) << "raised at once, inside the write";
  form.edit("编辑框").setText("十秒");
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(RunTimeTest, TypingRaisesTextChangedPerKeystroke) {
  int changes = 0;
  form.on("编辑框", Event::TextChanged, [&](const EventArgs&) { ++changes; });
  const HWND edit = form.edit("编辑框").handle();
  SetFocus(edit);
  for (const WPARAM key : {'1', '2'}) test::pressKey(edit, key);
  EXPECT_EQ(form.edit("编辑框").text(), "12");
  EXPECT_EQ(changes, 2);
}

TEST_F(RunTimeTest, PressingALabelRaisesMouseDown) {
  EventArgs press;
  form.on("标签", Event::MouseDown, [&](const EventArgs& e) { press = e; });
  test::click(form.control("标签").handle(), {5, 6});
  EXPECT_EQ(press.button, 1);
  EXPECT_EQ(press.x, 5);
  EXPECT_EQ(press.y, 6);
}

TEST_F(RunTimeTest, SelectingFromCodeRaisesNothingButTheUserRaisesItemSelected) {
  int selected = 0;
  form.on("列表", Event::ItemSelected, [&](const EventArgs&) { ++selected; });
  ComboBox& combo = form.comboBox("列表");
  combo.setSelection(2);
  EXPECT_EQ(combo.selection(), 2);
  EXPECT_EQ(selected, 0);

  // Out of range: past the end selects the last item, negative selects none.
  combo.setSelection(7);
  EXPECT_EQ(combo.selection(), 2);
  combo.setSelection(-3);
  EXPECT_EQ(combo.selection(), -1);

  combo.setSelection(0);
  SetFocus(combo.handle());
  test::pressKey(combo.handle(), VK_DOWN);
  EXPECT_EQ(combo.selection(), 1);
  EXPECT_EQ(selected, 1);
}

TEST_F(RunTimeTest, ButtonClickAtItsPlaceRaisesClicked) {
  int clicks = 0;
  form.on("按钮", Event::Clicked, [&](const EventArgs&) { ++clicks; });
  test::click(form.button("按钮").handle(), {40, 12});
  EXPECT_EQ(clicks, 1);
}

TEST_F(RunTimeTest, ReportListRowsAndCellsOfAnyLength) {
  ReportList& list = form.reportList("表格");
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.appendRow(), 0);
  EXPECT_EQ(list.appendRow(), 1);
  const std::string longText(5000, 'x');
  list.setCell(0, 0, "00:00:01,000 --> 00:00:02,500");
  list.setCell(0, 1, "第一句 😀");
  list.setCell(1, 1, longText + "尾");
  EXPECT_EQ(list.cell(0, 0), "00:00:01,000 --> 00:00:02,500");
  EXPECT_EQ(list.cell(0, 1), "第一句 😀");
  EXPECT_EQ(list.cell(1, 1), longText + "尾");
  EXPECT_EQ(list.cell(1, 0), "");
  EXPECT_EQ(list.cell(9, 0), "") << "a missing row reads as empty";
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.firstSelectedRow(), -1);
  list.deleteAllRows();
  EXPECT_EQ(list.rowCount(), 0);
}

void selectRow(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

POINT rowCentre(HWND list, int row) {
  RECT rect{};
  rect.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Handlers see keys and clicks before the table does, and the table still acts on them.
TEST_F(RunTimeTest, KeyAndMouseReachHandlersBeforeTheControlAndGoOnToIt) {
  ReportList& list = form.reportList("表格");
  for (int i = 0; i < 3; ++i) list.setCell(list.appendRow(), 1, std::to_string(i));
  SetFocus(list.handle());
  selectRow(list.handle(), 0);

  std::vector<int> rowsSeen;
  std::vector<int> keys;
  form.on("表格", Event::KeyDown, [&](const EventArgs& e) {
    keys.push_back(e.keyCode);
    rowsSeen.push_back(list.firstSelectedRow());
  });
  test::pressKey(list.handle(), VK_DOWN);
  EXPECT_EQ(keys, std::vector<int>{VK_DOWN});
  EXPECT_EQ(rowsSeen, std::vector<int>{0});
  EXPECT_EQ(list.firstSelectedRow(), 1);

  EventArgs press;
  form.on("表格", Event::MouseDown, [&](const EventArgs& e) {
    press = e;
    rowsSeen.push_back(list.firstSelectedRow());
  });
  const POINT third = rowCentre(list.handle(), 2);
  test::click(list.handle(), third);
  EXPECT_EQ(press.button, 1);
  EXPECT_EQ(press.x, third.x);
  EXPECT_EQ(press.y, third.y);
  EXPECT_EQ(rowsSeen.back(), 1);
  EXPECT_EQ(list.firstSelectedRow(), 2);
}

TEST_F(RunTimeTest, DoubleClickOnTheTableRaisesDoubleClickedWithItsPosition) {
  ReportList& list = form.reportList("表格");
  list.setCell(list.appendRow(), 1, "一");
  EventArgs seen;
  int doubleClicks = 0;
  form.on("表格", Event::DoubleClicked, [&](const EventArgs& e) {
    seen = e;
    ++doubleClicks;
  });
  const POINT first = rowCentre(list.handle(), 0);
  test::doubleClick(list.handle(), first);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(seen.x, first.x);
  EXPECT_EQ(seen.y, first.y);
}

TEST_F(RunTimeTest, RealDoubleClickFromOutsideReachesTheTable) {
  ReportList& list = form.reportList("表格");
  list.setCell(list.appendRow(), 1, "一");
  int doubleClicks = 0;
  EventArgs seen;
  form.on("表格", Event::DoubleClicked, [&](const EventArgs& e) {
    seen = e;
    ++doubleClicks;
  });
  SetForegroundWindow(form.handle());
  processPendingEvents();
  const POINT row = rowCentre(list.handle(), 0);
  ASSERT_TRUE(test::xdotool(L"mousemove " + test::screenPoint(list.handle(), row) +
                            L" click --repeat 2 --delay 80 1"));
  EXPECT_TRUE(test::pumpUntil([&] { return doubleClicks == 1; }));
  EXPECT_EQ(seen.x, row.x);
  EXPECT_EQ(seen.y, row.y);
  EXPECT_EQ(list.firstSelectedRow(), 0);
}

TEST_F(RunTimeTest, RealTypingFromOutsideRaisesTextChangedPerKey) {
  int changes = 0;
  form.on("编辑框", Event::TextChanged, [&](const EventArgs&) { ++changes; });
  const HWND edit = form.edit("编辑框").handle();
  // A click gives the edit box the keyboard, as a user would.
  ASSERT_TRUE(test::xdotool(L"mousemove " + test::screenPoint(edit, {5, 5}) +
                            L" click 1 type --delay 50 42"));
  EXPECT_TRUE(test::pumpUntil([&] { return form.edit("编辑框").text() == "42"; }))
      << form.edit("编辑框").text();
  EXPECT_EQ(changes, 2);
}

TEST_F(RunTimeTest, StatusBarPartTexts) {
  StatusBar& bar = form.statusBar("状态");
  EXPECT_EQ(bar.partText(0), "一");
  bar.setPartText(1, "导入完成：12 条");
  EXPECT_EQ(bar.partText(1), "导入完成：12 条");
  EXPECT_EQ(bar.partText(0), "一");
}

TEST_F(RunTimeTest, TimerPeriodRules) {
  Timer& timer = form.timer("计时");
  int ticks = 0;
  form.on("计时", Event::TimerElapsed, [&](const EventArgs&) { ++ticks; });
  timer.setPeriod(-5);
  EXPECT_EQ(timer.period(), 0);
  timer.setPeriod(10);
  EXPECT_EQ(timer.period(), 10);
  EXPECT_TRUE(test::pumpUntil([&] { return ticks > 0; }));
  timer.setPeriod(0);
  EXPECT_EQ(timer.period(), 0);
  EXPECT_FALSE(KillTimer(form.handle(), timer.id())) << "stopping removed the system timer";
}

TEST_F(RunTimeTest, DestroyIsCompletedByTheLoopWhichEndsWithTheLastWindow) {
  bool destroying = false;
  form.on("", Event::Destroying, [&](const EventArgs&) { destroying = true; });
  Form second{[] {
    WindowSpec spec = testFormSpec();
    spec.controls.clear();
    return spec;
  }()};
  ASSERT_TRUE(second.load());
  EXPECT_EQ(loadedWindowCount(), 2);

  form.destroy();
  EXPECT_TRUE(form.isLoaded()) << "deferred";
  processPendingEvents();
  EXPECT_FALSE(form.isLoaded());
  EXPECT_TRUE(destroying);
  EXPECT_EQ(loadedWindowCount(), 1);

  second.destroy();
  EXPECT_EQ(runMessageLoop(), 0);
  EXPECT_FALSE(second.isLoaded());
  EXPECT_EQ(loadedWindowCount(), 0);
}

TEST_F(RunTimeTest, CreatedThenPositionChangedAreRaisedByTheLoad) {
  Form other{testFormSpec()};
  std::vector<std::string> events;
  other.on("", Event::Created, [&](const EventArgs&) { events.push_back("created"); });
  other.on("", Event::PositionChanged, [&](const EventArgs&) { events.push_back("moved"); });
  ASSERT_TRUE(other.load());
  EXPECT_EQ(events, (std::vector<std::string>{"created", "moved"}));
  SetWindowPos(other.handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(events.back(), "moved");
  EXPECT_EQ(events.size(), 3u);
  other.destroy();
  processPendingEvents();
}

LRESULT CALLBACK refuseEveryWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(FormLoad, AWindowTheSystemRefusesIsNotLoadedAndRaisesNothing) {
  initialiseRunTime();
  const int loadedBefore = loadedWindowCount();
  Form form{testFormSpec()};
  bool created = false;
  form.on("", Event::Created, [&](const EventArgs&) { created = true; });
  const HHOOK hook = SetWindowsHookExW(WH_CBT, refuseEveryWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const bool loaded = form.load();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(form.isLoaded());
  EXPECT_FALSE(created);
  EXPECT_EQ(loadedWindowCount(), loadedBefore);
}

std::vector<int>& calls() {
  static std::vector<int> list;
  return list;
}
void first() {
  calls().push_back(1);
}
void second() {
  calls().push_back(2);
}

TEST(ExitRoutines, RunOncePerRoutineInOrderOfRegistration) {
  calls().clear();
  registerExitRoutine(first);
  registerExitRoutine(second);
  registerExitRoutine(first);
  EXPECT_EQ(finishProgram(0), 0);
  EXPECT_EQ(calls(), (std::vector<int>{1, 2}));
  EXPECT_EQ(finishProgram(3), 3);
  EXPECT_EQ(calls().size(), 2u) << "the list is used up";
}

TEST(RunDirectory, IsTheExecutablesFolderAndTheCurrentDirectory) {
  initialiseRunTime();
  EXPECT_EQ(executableFileName(), "program_tests.exe");
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(toUtf8(current), runDirectory());
  EXPECT_NE(runDirectory().back(), '\\');
}

}  // namespace
}  // namespace talvoren::win32
