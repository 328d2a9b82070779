#include <windows.h>

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32/controls.h"

namespace talvoren::win32 {

void StatusBar::setParts(const std::vector<int>& widths) {
  if (!handle()) return;
  // The status bar wants each part's right edge, not its width.
  std::vector<int> rightEdges;
  int edge = 0;
  for (const int width : widths) rightEdges.push_back(edge += width);
  SendMessageW(handle(), SB_SETPARTS, rightEdges.size(),
               reinterpret_cast<LPARAM>(rightEdges.data()));
}

std::string StatusBar::partText(int part) const {
  if (!handle()) return {};
  const auto length =
      LOWORD(SendMessageW(handle(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = LOWORD(SendMessageW(handle(), SB_GETTEXTW, static_cast<WPARAM>(part),
                                          reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return toUtf8(text);
}

void StatusBar::setPartText(int part, std::string_view text) {
  if (!handle()) return;
  const std::wstring wide = toUtf16(text);
  SendMessageW(handle(), SB_SETTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace talvoren::win32
