#pragma once

#include <string>

namespace talvoren::win32 {

// The current user's desktop folder with a trailing backslash (not created when missing); "" when
// the system cannot say.
std::string desktopFolder();

}  // namespace talvoren::win32
