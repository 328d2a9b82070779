// The draft list is filled by a thread of its own, so a large or slow draft folder never holds up
// the windows. The thread changes the list only through messages sent to the list's window, which
// the user-interface thread carries out; it touches no object of the run time.
#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <memory>
#include <string>

#include "app/draft_list_window.h"
#include "app/main_window.h"
#include "app/main_window_handlers.h"
#include "drafts/draft_folders.h"
#include "platform/utf16.h"

namespace talvoren::app {
namespace {

struct ListingWindows {
  HWND draftFolderBox;
  HWND draftList;
};

std::string sentWindowText(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return toUtf8(text);
}

void sendAppendedRow(HWND list, const DraftFolder& draft) {
  std::wstring name = toUtf16(draft.name);
  std::wstring path = toUtf16(draft.path);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = INT_MAX;  // past the end: appended
  item.pszText = name.data();
  const auto row = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (row < 0) return;
  item.iSubItem = 1;
  item.pszText = path.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// listDrafts: the body of the listing thread. Nothing waits for it; when the process ends first,
// the thread simply ends with it.
DWORD WINAPI listDrafts(void* parameter) {
  const std::unique_ptr<ListingWindows> windows(static_cast<ListingWindows*>(parameter));
  const std::string folder = sentWindowText(windows->draftFolderBox);
  for (const DraftFolder& draft : listDraftFolders(folder)) {
    sendAppendedRow(windows->draftList, draft);
  }
  return 0;
}

void startListingThread() {
  auto windows = std::make_unique<ListingWindows>(ListingWindows{
      mainWindow().edit("草稿路径").handle(), draftListWindow()->reportList("列表框").handle()});
  const HANDLE thread = CreateThread(nullptr, 0, listDrafts, windows.get(), 0, nullptr);
  if (!thread) return;
  windows.release();  // the thread owns it now
  CloseHandle(thread);
}

}  // namespace

void onDraftListWindowCreated() {
  placeDraftListWindow();
  startListingThread();
}

}  // namespace talvoren::app
