#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "platform/win32/form_table.h"
#include "platform/win32/run_time.h"

namespace talvoren::test {

// Reading controls back through their handles, as another program would.

inline std::string textOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return toUtf8(text);
}

// A window's place in the client coordinates of `top`: left, top, width, height.
struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& box, std::ostream* out) {
  *out << "{" << box.left << ", " << box.top << ", " << box.width << ", " << box.height << "}";
}

inline Box boxIn(HWND window, HWND top) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// A window standing in for the draft list window, which arrives with the draft list.
inline win32::WindowSpec draftListStandIn() {
  return {.className = L"TalvorenDraftListStandIn",
          .outerWidth = 230,
          .outerHeight = 515,
          .style = WS_POPUP | WS_DLGFRAME | WS_VISIBLE,
          .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW};
}

inline LONG_PTR styleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

inline LPARAM pointParam(POINT point) {
  return MAKELPARAM(point.x, point.y);
}

inline void pumpMessages() {
  win32::processPendingEvents();
}

// A left click as the mouse gives it: press and release at a client point of `window`.
inline void click(HWND window, POINT point) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(point));
  PostMessageW(window, WM_LBUTTONUP, 0, pointParam(point));
  pumpMessages();
}

inline void doubleClick(HWND window, POINT point) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(point));
  PostMessageW(window, WM_LBUTTONUP, 0, pointParam(point));
  PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(point));
  PostMessageW(window, WM_LBUTTONUP, 0, pointParam(point));
  pumpMessages();
}

inline void pressKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  pumpMessages();
}

// Runs xdotool, which sends its input through the X server as a user's mouse and keyboard do.
// On a bare X display Win32 screen coordinates are X coordinates.
// Wine starts Linux programs too; their exit code does not come back, so none is checked.
inline bool xdotool(const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"/usr/bin/xdotool " + arguments;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// Pumps messages until `done` holds; a bounded wait, so a lost event fails instead of hanging.
template <typename Condition>
bool pumpUntil(Condition done) {
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (!done() && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    win32::processPendingEvents();
  }
  return done();
}

inline std::wstring screenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return std::to_wstring(client.x) + L" " + std::to_wstring(client.y);
}

}  // namespace talvoren::test
