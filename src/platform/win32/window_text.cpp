#include "platform/win32/window_text.h"

#include "platform/utf16.h"

namespace talvoren::win32 {

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return toUtf8(text);
}

void setWindowText(HWND window, std::string_view text) {
  SetWindowTextW(window, toUtf16(text).c_str());
}

}  // namespace talvoren::win32
