#include <algorithm>

#include "platform/utf16.h"
#include "platform/win32/controls.h"

namespace talvoren::win32 {

int ComboBox::selection() const {
  if (!handle()) return -1;
  return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::setSelection(int index) {
  if (!handle()) return;
  // CB_SETCURSEL sends no CBN_SELCHANGE: code that selects raises no event.
  const int last = itemCount() - 1;
  const int clamped = index < 0 ? -1 : std::min(index, last);
  SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
}

int ComboBox::itemCount() const {
  if (!handle()) return 0;
  return static_cast<int>(SendMessageW(handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::itemText(int index) const {
  if (!handle()) return {};
  const LRESULT length = SendMessageW(handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return toUtf8(text);
}

void ComboBox::addItem(std::string_view text) {
  if (!handle()) return;
  const std::wstring wide = toUtf16(text);
  SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ComboBox::onCommand(WORD code) {
  if (code == CBN_SELCHANGE) raise(Event::ItemSelected);
}

}  // namespace talvoren::win32
