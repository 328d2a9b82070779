#include <windows.h>

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32/controls.h"

namespace talvoren::win32 {

void TabControl::addTab(std::string_view caption) {
  if (!handle()) return;
  std::wstring wide = toUtf16(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = wide.data();
  const auto count = SendMessageW(handle(), TCM_GETITEMCOUNT, 0, 0);
  SendMessageW(handle(), TCM_INSERTITEMW, static_cast<WPARAM>(count),
               reinterpret_cast<LPARAM>(&item));
}

HWND TabControl::page(int index) const {
  return index >= 0 && index < static_cast<int>(pages_.size()) ? pages_[index] : nullptr;
}

int TabControl::selectedTab() const {
  if (!handle()) return -1;
  return static_cast<int>(SendMessageW(handle(), TCM_GETCURSEL, 0, 0));
}

void TabControl::selectTab(int index) {
  if (!handle()) return;
  SendMessageW(handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  showSelectedPage();
}

void TabControl::onNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGE) showSelectedPage();
}

void TabControl::showSelectedPage() {
  const int selected = selectedTab();
  for (int index = 0; index < static_cast<int>(pages_.size()); ++index) {
    ShowWindow(pages_[index], index == selected ? SW_SHOW : SW_HIDE);
  }
}

}  // namespace talvoren::win32
