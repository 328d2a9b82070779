#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/main_window_handlers.h"
#include "platform/win32/folder_browser.h"

namespace talvoren::app {

void onBrowseDraftFolder() {
  const std::string chosen =
      win32::folderBrowser()(GetActiveWindow(), "请选择‘com.lveditor.draft’文件夹");
  // The backslash is added even to a drive root, which already ends in one.
  if (!chosen.empty()) mainWindow().edit("草稿路径").setText(chosen + "\\");
}

}  // namespace talvoren::app
