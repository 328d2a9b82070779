#include "platform/win32/run_time.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <vector>

#include "platform/utf16.h"

namespace talvoren::win32 {
namespace {

struct RunTimeState {
  DWORD userInterfaceThread = 0;
  bool oleEntered = false;
  int loadedWindows = 0;
  std::vector<ExitRoutine> exitRoutines;
};

RunTimeState& state() {
  static RunTimeState instance;
  return instance;
}

std::wstring modulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

void initialiseRunTime() {
  RunTimeState& s = state();
  if (!s.oleEntered) s.oleEntered = SUCCEEDED(OleInitialize(nullptr));
  s.userInterfaceThread = GetCurrentThreadId();
  SetCurrentDirectoryW(toUtf16(runDirectory()).c_str());
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
}

bool isUserInterfaceThread() {
  return GetCurrentThreadId() == state().userInterfaceThread;
}

int runMessageLoop() {
  if (state().loadedWindows == 0) return 0;
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) fatalError();
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void processPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The loop below us must still see it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void registerExitRoutine(ExitRoutine routine) {
  auto& routines = state().exitRoutines;
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) {
    routines.push_back(routine);
  }
}

int finishProgram(int exitCode) {
  RunTimeState& s = state();
  const std::vector<ExitRoutine> routines = std::move(s.exitRoutines);
  s.exitRoutines.clear();
  for (ExitRoutine routine : routines) routine();
  if (s.oleEntered) {
    OleUninitialize();
    s.oleEntered = false;
  }
  return exitCode;
}

void fatalError() {
  state().exitRoutines.clear();
  ExitProcess(static_cast<UINT>(-1));
}

std::string runDirectory() {
  const std::wstring path = modulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return toUtf8(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

std::string executableFileName() {
  const std::wstring path = modulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return toUtf8(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

int loadedWindowCount() {
  return state().loadedWindows;
}

void noteWindowLoaded() {
  ++state().loadedWindows;
}

void noteWindowGone() {
  if (--state().loadedWindows == 0) PostQuitMessage(0);
}

}  // namespace talvoren::win32
