#include <windows.h>

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32/controls.h"

namespace talvoren::win32 {

void ReportList::addColumn(std::string_view title, int width) {
  if (!handle()) return;
  std::wstring wide = toUtf16(title);
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = wide.data();
  const auto header = reinterpret_cast<HWND>(SendMessageW(handle(), LVM_GETHEADER, 0, 0));
  const auto index = SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
  column.iSubItem = static_cast<int>(index);
  SendMessageW(handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

int ReportList::appendRow() {
  if (!handle()) return -1;
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = rowCount();
  item.pszText = const_cast<wchar_t*>(L"");
  return static_cast<int>(
      SendMessageW(handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string ReportList::cell(int row, int column) const {
  if (!handle() || row < 0 || row >= rowCount()) return {};
  // LVM_GETITEMTEXTW says nothing about truncation: grow until the text no longer fills the buffer.
  std::wstring text(256, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto copied = static_cast<size_t>(SendMessageW(
        handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (copied + 1 < text.size()) {
      text.resize(copied);
      return toUtf8(text);
    }
    text.assign(text.size() * 2, L'\0');
  }
}

void ReportList::setCell(int row, int column, std::string_view text) {
  if (!handle()) return;
  std::wstring wide = toUtf16(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
}

int ReportList::rowCount() const {
  if (!handle()) return 0;
  return static_cast<int>(SendMessageW(handle(), LVM_GETITEMCOUNT, 0, 0));
}

void ReportList::deleteAllRows() {
  if (handle()) SendMessageW(handle(), LVM_DELETEALLITEMS, 0, 0);
}

int ReportList::firstSelectedRow() const {
  if (!handle()) return -1;
  return static_cast<int>(SendMessageW(handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0)));
}

void ReportList::onNotify(const NMHDR& header) {
  if (header.code != NM_DBLCLK) return;
  const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
  int shift = 0;
  if (activate.uKeyFlags & LVKF_SHIFT) shift |= 1;
  if (activate.uKeyFlags & LVKF_CONTROL) shift |= 2;
  if (activate.uKeyFlags & LVKF_ALT) shift |= 4;
  raise(Event::DoubleClicked,
        {.button = 1, .shift = shift, .x = activate.ptAction.x, .y = activate.ptAction.y});
}

}  // namespace talvoren::win32
