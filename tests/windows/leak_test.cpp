#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/run_time.h"
#include "thread_probe.h"
#include "window_probe.h"

namespace talvoren::app {
namespace {

// Kernel handles of this process. Wine's GetProcessHandleCount answers 0, so there the handle
// table is probed: a value names an open handle when it can be duplicated (handles are
// multiples of 4).
DWORD processHandleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return count;
  count = 0;
  const HANDLE self = GetCurrentProcess();
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    HANDLE copy = nullptr;
    if (DuplicateHandle(self, reinterpret_cast<HANDLE>(value), self, &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
      CloseHandle(copy);
      ++count;
    }
  }
  return count;
}

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, countWindow, count);
  return TRUE;
}

// Windows of this thread, top-level and child.
int threadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Resources {
  int ownGdiObjects;
  DWORD gdiObjects;   // 0 where the system does not count them (Wine)
  DWORD userObjects;  // likewise
  DWORD handles;
  int windows;
  bool operator==(const Resources&) const = default;
};

void PrintTo(const Resources& r, std::ostream* out) {
  *out << "{own GDI " << r.ownGdiObjects << ", GDI " << r.gdiObjects << ", USER " << r.userObjects
       << ", handles " << r.handles << ", windows " << r.windows << "}";
}

Resources measure() {
  // A draft list's listing thread holds handles while it runs; nothing in the program waits for
  // it, so the count waits.
  EXPECT_TRUE(test::pumpUntil(test::onlyThisThreadRuns)) << "the listing threads have ended";
  return {win32::liveGdiObjects().load(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), processHandleCount(),
          threadWindowCount()};
}

void openAndClose() {
  ASSERT_TRUE(loadMainWindow());
  // Both pages get shown once, so nothing is created lazily on a later round.
  const HWND tab = mainWindow().control("高级选择夹").handle();
  mainWindow().tabControl("高级选择夹").selectTab(1);
  mainWindow().tabControl("高级选择夹").selectTab(0);
  UpdateWindow(tab);
  PostMessageW(mainWindow().handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(win32::runMessageLoop(), 0);
  ASSERT_FALSE(mainWindow().isLoaded());
}

TEST(Leaks, OpeningAndClosingTheMainWindowLeavesNothingBehind) {
  win32::initialiseRunTime();
  // The first round registers classes and fills the system's caches.
  openAndClose();
  openAndClose();
  const Resources before = measure();
  for (int round = 0; round < 25; ++round) openAndClose();
  const Resources after = measure();
  EXPECT_EQ(after, before);
  EXPECT_EQ(after.windows, 0);
}

}  // namespace
}  // namespace talvoren::app
