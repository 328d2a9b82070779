#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// A count of microseconds, as decimal text, written HH:MM:SS,mmm. Below a millisecond is cut
// off, never rounded; hours take as many digits as they need. The whole seconds are read as atoi
// reads them, so text that is not digits still gives a timestamp of this shape.
std::string formatTimestamp(std::string_view microseconds);

}  // namespace talvoren
