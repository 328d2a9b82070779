#include <windows.h>

#include "app/draft_list_window.h"
#include "app/main_window.h"
#include "app/main_window_handlers.h"
#include "drafts/draft_list_placement.h"
#include "platform/win32/process_version.h"

namespace talvoren::app {

int osGenerationCode() {
  // Windows 95, 98 and Me are told apart by a process environment block whose address has its top
  // bit set. A 64-bit program's user-mode addresses never have it set, and those systems run no
  // 64-bit programs at all, so here only the version numbers decide.
  const win32::ProcessVersionFields& version = win32::processVersionFields();
  return osGenerationCodeFor(version.major, version.minor);
}

void placeDraftListWindow() {
  win32::Form* draftList = draftListWindow();
  if (!draftList || !draftList->isLoaded()) return;
  RECT main;
  if (!GetWindowRect(mainWindow().handle(), &main)) return;
  const WindowOrigin origin =
      draftListWindowOrigin(osGenerationCode(), main.left, main.top, main.right - main.left);
  SetWindowPos(draftList->handle(), nullptr, origin.left, origin.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace talvoren::app
