#include "platform/win32/report_list_filler.h"

#include <commctrl.h>

#include <climits>
#include <string>

#include "platform/utf16.h"

namespace talvoren::win32 {

ReportListFiller::ReportListFiller(HWND list, size_t expectedRows)
    : list_(list), procedure_(reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC))) {
  send(WM_SETREDRAW, FALSE, 0);
  send(LVM_SETITEMCOUNT, expectedRows, LVSICF_NOINVALIDATEALL);
}

ReportListFiller::~ReportListFiller() {
  send(WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

LRESULT ReportListFiller::send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return procedure_ ? CallWindowProcW(procedure_, list_, message, wParam, lParam) : 0;
}

int ReportListFiller::append(std::string_view column0, std::string_view column1) {
  std::wstring first = toUtf16(column0);
  std::wstring second = toUtf16(column1);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = INT_MAX;  // past the end: appended
  item.pszText = first.data();
  const auto row = static_cast<int>(send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return -1;
  item.iSubItem = 1;
  item.pszText = second.data();
  send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return row;
}

}  // namespace talvoren::win32
