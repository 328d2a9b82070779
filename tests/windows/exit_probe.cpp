// A stand-in for Talvoren.exe that runs the real start and exit with a watcher around them.
// Usage: exit_probe refuse|close MARKER_FILE
//   refuse: the main window's creation is refused, as when the system cannot create it.
//   close:  the main window is closed as soon as the loop runs.
// A watcher registered as an exit routine after the shutdown routine writes MARKER_FILE, noting
// whether the shared state had been released before it ran.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "app/program.h"
#include "app/shared_state.h"
#include "platform/win32/run_time.h"

namespace {

std::wstring markerPath;
bool refuseMainWindow = false;
HHOOK hook = nullptr;

void writeMarker() {
  FILE* file = _wfopen(markerPath.c_str(), L"wb");
  if (!file) return;
  std::fputs(talvoren::app::sharedStateExists() ? "before shutdown" : "after shutdown", file);
  std::fclose(file);
}

bool isMainWindowClass(const CBT_CREATEWNDW* create) {
  const LPCWSTR name = create->lpcs->lpszClass;
  return !IS_INTRESOURCE(name) && std::wcscmp(name, L"TalvorenMainWindow") == 0;
}

void CALLBACK closeMainWindow(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (const HWND window = FindWindowW(L"TalvorenMainWindow", nullptr)) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

LRESULT CALLBACK watchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && isMainWindowClass(reinterpret_cast<CBT_CREATEWNDW*>(lParam))) {
    // By now main has registered its shutdown routine: the watcher runs after it, if at all.
    talvoren::win32::registerExitRoutine(writeMarker);
    if (refuseMainWindow) return 1;
    SetTimer(nullptr, 0, 0, closeMainWindow);
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  if (argc != 3) return 2;
  refuseMainWindow = std::wcscmp(argv[1], L"refuse") == 0;
  markerPath = argv[2];
  hook = SetWindowsHookExW(WH_CBT, watchCreation, nullptr, GetCurrentThreadId());
  return talvoren::win32::finishProgram(talvoren::app::main());
}
