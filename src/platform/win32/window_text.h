#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace talvoren::win32 {

// Window texts in UTF-8; the conversion to UTF-16 happens here and nowhere else.
std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

}  // namespace talvoren::win32
