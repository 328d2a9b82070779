#pragma once

#include <string>

namespace talvoren {

// A counted byte buffer: file contents and encoded texts. A std::string so that it passes to the
// text routines without a copy; it may hold zero bytes anywhere.
using Bytes = std::string;

}  // namespace talvoren
