#include "platform/local_time.h"

#include <gtest/gtest.h>

#include <ctime>

namespace talvoren {
namespace {

TEST(CurrentLocalDateTime, FieldsAreInRangeAndMatchTheCLibrary) {
  const std::time_t before = std::time(nullptr);
  const LocalDateTime now = currentLocalDateTime();
  const std::time_t after = std::time(nullptr);

  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_GE(now.hour, 0);
  EXPECT_LE(now.hour, 23);
  EXPECT_GE(now.minute, 0);
  EXPECT_LE(now.minute, 59);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);

  std::tm parts{};
  parts.tm_year = now.year - 1900;
  parts.tm_mon = now.month - 1;
  parts.tm_mday = now.day;
  parts.tm_hour = now.hour;
  parts.tm_min = now.minute;
  parts.tm_sec = now.second;
  parts.tm_isdst = -1;
  const std::time_t read = std::mktime(&parts);
  EXPECT_GE(read, before);
  EXPECT_LE(read, after);
}

}  // namespace
}  // namespace talvoren
