#pragma once

namespace talvoren {

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The current date and time in the machine's time zone.
LocalDateTime currentLocalDateTime();

}  // namespace talvoren
