#include "platform/win32/folder_browser.h"

#include <shlobj.h>

#include <memory>

#include "platform/utf16.h"

namespace talvoren::win32 {
namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

std::string pathOf(const ITEMIDLIST* list) {
  // Room for the longest path the system allows, not just MAX_PATH.
  std::wstring path(32768, L'\0');
  if (!SHGetPathFromIDListEx(list, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) {
    return {};
  }
  path.resize(path.find(L'\0'));
  return toUtf8(path);
}

}  // namespace

std::string browseForFolder(HWND owner, std::string_view prompt) {
  const std::wstring title = toUtf16(prompt);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  const std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(SHBrowseForFolderW(&info));
  return chosen ? pathOf(chosen.get()) : std::string();
}

FolderBrowser& folderBrowser() {
  static FolderBrowser browser = browseForFolder;
  return browser;
}

}  // namespace talvoren::win32
