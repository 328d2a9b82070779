#pragma once

#include <string>

namespace talvoren::win32 {

// The FileVersion string of a file's version resource under its first translation ("040904E4"
// when it lists none); "" without a version resource.
std::string fileVersionText(const std::string& path);

}  // namespace talvoren::win32
