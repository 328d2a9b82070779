#include "drafts/time_range.h"

#include "drafts/timestamp.h"
#include "platform/number_text.h"

namespace talvoren {

std::string timeRangeText(std::string_view start, std::string_view duration) {
  const double end = textToNumber(start) + textToNumber(duration);
  return formatTimestamp(start) + " --> " + formatTimestamp(doubleToText(end));
}

}  // namespace talvoren
