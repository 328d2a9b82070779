#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace talvoren::win32 {

// Appends many rows to a report list at once. Redraws are held while it lives, and the rows are
// painted together when it goes. The messages go straight to the list's own window procedure:
// the run time's subclass of the control only turns key and mouse messages into events, and
// under Wine each message through a subclass costs a call to the server, ten times the cost of
// the row itself.
class ReportListFiller {
 public:
  // `expectedRows` reserves room for the rows about to come.
  ReportListFiller(HWND list, size_t expectedRows);
  ReportListFiller(const ReportListFiller&) = delete;
  ReportListFiller& operator=(const ReportListFiller&) = delete;
  ~ReportListFiller();

  // A row of two cells at the end; its index, or -1 when it could not be added.
  int append(std::string_view column0, std::string_view column1);

 private:
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND list_;
  WNDPROC procedure_;
};

}  // namespace talvoren::win32
