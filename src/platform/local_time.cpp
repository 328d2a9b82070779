#include "platform/local_time.h"

#include <chrono>
#include <ctime>

namespace talvoren {

LocalDateTime currentLocalDateTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &seconds);
#else
  localtime_r(&seconds, &parts);
#endif
  const auto sinceSecond = now - system_clock::from_time_t(seconds);
  LocalDateTime local;
  local.year = parts.tm_year + 1900;
  local.month = parts.tm_mon + 1;
  local.day = parts.tm_mday;
  local.hour = parts.tm_hour;
  local.minute = parts.tm_min;
  local.second = parts.tm_sec;
  const auto millis = duration_cast<milliseconds>(sinceSecond).count();
  local.millisecond = millis > 0 ? static_cast<int>(millis % 1000) : 0;
  return local;
}

}  // namespace talvoren
