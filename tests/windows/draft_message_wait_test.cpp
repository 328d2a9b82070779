#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/win32/message_wait.h"
#include "platform/win32/run_time.h"

namespace talvoren::win32 {
namespace {

constexpr UINT kProbe = WM_APP + 0x321;

bool probeQueued() {
  MSG message;
  return PeekMessageW(&message, nullptr, kProbe, kProbe, PM_NOREMOVE) != FALSE;
}

void dropProbes() {
  MSG message;
  while (PeekMessageW(&message, nullptr, kProbe, kProbe, PM_REMOVE)) {
  }
}

TEST(MessageWait, DueTimeInHundredNanosecondStepsPerUnit) {
  const struct {
    int amount, unit;
    int64_t due;
  } cases[] = {
      {0, 0, 0},
      {0, 3, 0},
      {1, 0, -10000},
      {250, 0, -2500000},
      {2, 1, -20000000},
      {1, 2, -600000000},
      {1, 3, -36000000000},
      {3, 7, -210000},  // another unit value is the multiplier itself
      {-5, 0, 50000},   // a negative amount gives an absolute time long past
      {std::numeric_limits<int>::max(), 3, std::numeric_limits<int64_t>::min()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(waitDueTime(c.amount, c.unit), c.due) << c.amount << " in unit " << c.unit;
  }
}

TEST(MessageWait, AmountZeroReturnsAtOnceWithoutDispatching) {
  initialiseRunTime();
  dropProbes();
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), kProbe, 0, 0));
  EXPECT_TRUE(waitPumpingMessages(0, 0));
  EXPECT_TRUE(probeQueued()) << "nothing was dispatched";
  dropProbes();
}

TEST(MessageWait, DispatchesEventsWhileItWaits) {
  initialiseRunTime();
  dropProbes();
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), kProbe, 0, 0));
  EXPECT_TRUE(waitPumpingMessages(300, 0));
  EXPECT_FALSE(probeQueued()) << "the queued message was taken and dispatched";
}

}  // namespace
}  // namespace talvoren::win32
