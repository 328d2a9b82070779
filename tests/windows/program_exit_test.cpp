#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/shared_state.h"
#include "platform/utf16.h"
#include "platform/win32/run_time.h"
#include "platform/win32/version_info.h"
#include "window_probe.h"

namespace talvoren::app {
namespace {

struct Seen {
  HWND main = nullptr;
  HWND draftList = nullptr;
};
Seen seen;

// Runs inside the loop: opens the stand-in draft list window, then closes the main window as the
// user does.
void CALLBACK openDraftListThenClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto draftList = std::make_unique<win32::Form>(test::draftListStandIn());
  if (draftList->load()) seen.draftList = draftList->handle();
  adoptDraftListWindow(std::move(draftList));
  seen.main = mainWindow().handle();
  PostMessageW(seen.main, WM_CLOSE, 0, 0);
}

TEST(Program, ClosingTheMainWindowEndsTheLoopAfterBothWindowsThenShutdownReleasesTheState) {
  seen = {};
  SetTimer(nullptr, 0, 0, openDraftListThenClose);
  EXPECT_EQ(main(), 0);

  ASSERT_NE(seen.main, nullptr);
  ASSERT_NE(seen.draftList, nullptr);
  EXPECT_FALSE(IsWindow(seen.main));
  EXPECT_FALSE(IsWindow(seen.draftList)) << "the draft list window went with the main window";
  EXPECT_EQ(win32::loadedWindowCount(), 0);
  ASSERT_TRUE(sharedStateExists()) << "the shutdown routine runs after the loop, not before";
  EXPECT_TRUE(sharedState().currentDraftName.empty());
  EXPECT_EQ(sharedState().tableHit.item, 0);
  EXPECT_EQ(sharedState().tableHit.subItem, 0);
  EXPECT_EQ(sharedState().json->rootName(), "da");

  EXPECT_EQ(win32::finishProgram(0), 0);
  EXPECT_FALSE(sharedStateExists()) << "the shutdown routine released the shared state";
}

TEST(Program, HitRecordsHaveTheFiveFieldListViewLayout) {
  EXPECT_EQ(sizeof(HitRecord), offsetof(LVHITTESTINFO, iGroup));
  EXPECT_EQ(offsetof(HitRecord, flags), offsetof(LVHITTESTINFO, flags));
  EXPECT_EQ(offsetof(HitRecord, item), offsetof(LVHITTESTINFO, iItem));
  EXPECT_EQ(offsetof(HitRecord, subItem), offsetof(LVHITTESTINFO, iSubItem));
  const HitRecord fresh;
  EXPECT_EQ(fresh.x | fresh.y | static_cast<int32_t>(fresh.flags) | fresh.item | fresh.subItem, 0);
}

std::wstring besideMe(const wchar_t* name) {
  return toUtf16(win32::runDirectory()) + L"\\" + name;
}

struct ChildResult {
  bool started = false;
  DWORD exitCode = 0;
};

// Starts a program of this build, optionally closes its main window once it is idle, and waits
// for it to end.
ChildResult runChild(const std::wstring& commandLine, bool closeMainWindow) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = commandLine;
  ChildResult result;
  result.started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process);
  if (!result.started) return result;
  if (closeMainWindow && WaitForInputIdle(process.hProcess, 30000) == 0) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"TalvorenMainWindow", nullptr))) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process.dwProcessId) PostMessageW(window, WM_CLOSE, 0, 0);
    }
  }
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 10000);
  }
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

std::string readFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(Program, TalvorenExeEndsWithExitCodeZeroWhenItsWindowIsClosed) {
  const ChildResult result = runChild(L"\"" + besideMe(L"Talvoren.exe") + L"\"", true);
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 0u);
}

TEST(Program, ExitRoutinesRunAfterTheShutdownRoutineOnANormalEnd) {
  const std::wstring marker = besideMe(L"exit_probe_close.txt");
  DeleteFileW(marker.c_str());
  const ChildResult result =
      runChild(L"\"" + besideMe(L"exit_probe.exe") + L"\" close \"" + marker + L"\"", false);
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_EQ(readFile(marker), "after shutdown");
  DeleteFileW(marker.c_str());
}

TEST(Program, AMainWindowThatCannotBeCreatedEndsWithMinusOneWithoutShutdown) {
  const std::wstring marker = besideMe(L"exit_probe_refuse.txt");
  DeleteFileW(marker.c_str());
  const ChildResult result =
      runChild(L"\"" + besideMe(L"exit_probe.exe") + L"\" refuse \"" + marker + L"\"", false);
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "no exit routine ran";
}

TEST(Program, VersionResourceCarriesFileVersion) {
  EXPECT_EQ(win32::fileVersionText(toUtf8(besideMe(L"Talvoren.exe"))), "2.1.0.0");
  EXPECT_EQ(win32::fileVersionText(toUtf8(besideMe(L"no-such-file.exe"))), "");
}

}  // namespace
}  // namespace talvoren::app
