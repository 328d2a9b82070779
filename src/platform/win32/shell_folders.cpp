#include "platform/win32/shell_folders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "platform/utf16.h"

namespace talvoren::win32 {

std::string desktopFolder() {
  PWSTR path = nullptr;
  const HRESULT result =
      SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DONT_VERIFY, nullptr, &path);
  std::string folder = SUCCEEDED(result) && path ? toUtf8(path) : std::string();
  CoTaskMemFree(path);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace talvoren::win32
