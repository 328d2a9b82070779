#include <windows.h>

#include <memory>

#include "platform/directory_listing.h"
#include "platform/utf16.h"

namespace talvoren {
namespace {

struct SearchCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};

}  // namespace

std::vector<DirectoryEntry> listDirectories(const std::string& folderText) {
  std::vector<DirectoryEntry> entries;
  const std::wstring pattern = toUtf16(folderText + "*");
  WIN32_FIND_DATAW found{};
  // Limiting the search to directories is only a hint to the file system: every entry is still
  // checked for the directory attribute.
  HANDLE raw = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                FindExSearchLimitToDirectories, nullptr, 0);
  if (raw == INVALID_HANDLE_VALUE) return entries;
  std::unique_ptr<void, SearchCloser> search(raw);
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    const std::string name = toUtf8(found.cFileName);
    if (name.empty() || name == "." || name == "..") continue;
    entries.push_back({name, folderText + name});
  } while (FindNextFileW(raw, &found));
  return entries;
}

}  // namespace talvoren
