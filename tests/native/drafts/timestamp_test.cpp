#include "drafts/timestamp.h"

#include <gtest/gtest.h>

namespace talvoren {
namespace {

struct Case {
  const char* microseconds;
  const char* timestamp;
};

TEST(FormatTimestamp, WorkedTable) {
  const Case cases[] = {
      {"1234567", "00:00:01,234"},
      {"3723500000", "01:02:03,500"},
      {"59999999", "00:00:59,999"},
      {"86399999999", "23:59:59,999"},
      {"360000000000", "100:00:00,000"},
      {"1999", "00:00:00,001"},
      {"999", "00:00:00,000"},
      {"0", "00:00:00,000"},
      {"", "00:00:00,000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatTimestamp(c.microseconds), c.timestamp) << c.microseconds;
}

TEST(FormatTimestamp, EdgeCases) {
  const Case cases[] = {
      {"1", "00:00:00,000"},             // below a millisecond: cut off
      {"123456", "00:00:00,123"},        // exactly six digits
      {"000001234567", "00:00:01,234"},  // leading zeros change nothing
      {"36000000000", "10:00:00,000"},   // ten hours: two digits
      {"86400000000", "24:00:00,000"},   // no day count
      {"3599999999", "00:59:59,999"},    // minutes and seconds stop at 59
      {"3600000000", "01:00:00,000"},
      {"7000000", "00:00:07,000"},               // one zero in front of a single digit
      {"2147483647999999", "596523:14:07,999"},  // the largest whole-seconds value
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatTimestamp(c.microseconds), c.timestamp) << c.microseconds;
}

TEST(FormatTimestamp, TextThatIsNotDigitsKeepsTheShape) {
  const Case cases[] = {
      {"abc", "00:00:00,000"},        // padded to 000abc: milliseconds "000"
      {" 5000000", "00:00:05,000"},   // atoi skips leading blanks
      {"12x456789", "00:00:12,456"},  // atoi stops at the first non-digit
      {"1e+21", "00:00:00,01e"},      // whatever three characters stand there
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatTimestamp(c.microseconds), c.timestamp) << c.microseconds;
}

}  // namespace
}  // namespace talvoren
