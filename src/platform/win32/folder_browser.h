#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace talvoren::win32 {

// The system's folder-browse dialog, owned by `owner`, showing `prompt` and an edit field for
// typing a path. The chosen folder as the system gives it (a trailing backslash only on a drive
// root); "" when cancelled or when the choice has no file-system path.
std::string browseForFolder(HWND owner, std::string_view prompt);

// The folder dialog the program asks: browseForFolder, unless a test has put its own answer here.
using FolderBrowser = std::function<std::string(HWND owner, std::string_view prompt)>;
FolderBrowser& folderBrowser();

}  // namespace talvoren::win32
