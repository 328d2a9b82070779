#include "platform/win32/message_wait.h"

#include <windows.h>

#include <limits>

#include "platform/win32/handles.h"
#include "platform/win32/run_time.h"

namespace talvoren::win32 {
namespace {

// Every input kind: keys, mouse, posted messages, timers, paint, hot keys, sent messages.
constexpr DWORD kEveryInput = 0xFF;

double unitMultiplier(int unit) {
  switch (unit) {
    case 0:
      return 1;
    case 1:
      return 1000;
    case 2:
      return 60000;
    case 3:
      return 3600000;
    default:
      return unit;
  }
}

}  // namespace

int64_t waitDueTime(int amount, int unit) {
  const double due = amount * unitMultiplier(unit) * -10000.0;
  // Beyond the 64-bit range the cast would be undefined; such a wait is as good as endless.
  constexpr double kLimit = 9.2e18;
  if (due <= -kLimit) return std::numeric_limits<int64_t>::min();
  if (due >= kLimit) return std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(due);
}

bool waitPumpingMessages(int amount, int unit) {
  OwnedHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  if (!timer) return false;
  LARGE_INTEGER due;
  due.QuadPart = waitDueTime(amount, unit);
  if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return false;
  const HANDLE handle = timer.get();
  for (;;) {
    const DWORD answer = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, kEveryInput);
    if (answer == WAIT_OBJECT_0) return true;
    if (answer != WAIT_OBJECT_0 + 1) return false;
    processPendingEvents();
  }
}

}  // namespace talvoren::win32
