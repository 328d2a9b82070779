#include "drafts/timestamp.h"

#include "platform/number_text.h"

namespace talvoren {
namespace {

std::string twoDigits(int32_t value) {
  std::string text(value < 10 ? 1 : 0, '0');
  return text += integerToText(value);
}

}  // namespace

std::string formatTimestamp(std::string_view microseconds) {
  std::string digits(microseconds);
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
  const std::string milliseconds = digits.substr(digits.size() - 6, 3);
  const int32_t seconds = textToInteger(std::string_view(digits).substr(0, digits.size() - 6));
  return twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" +
         twoDigits(seconds % 3600 % 60) + "," + milliseconds;
}

}  // namespace talvoren
