#include <windows.h>

#include <memory>
#include <string>

#include "platform/file_bytes.h"
#include "platform/utf16.h"

namespace talvoren {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace

FileContents readWholeFile(const std::string& path) {
  HANDLE raw = CreateFileW(
      toUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (raw == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                         error == ERROR_INVALID_NAME;
    return {missing ? FileReadStatus::missing : FileReadStatus::unreadable, {}};
  }
  FileHandle file(raw);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(raw, &size) || size.QuadPart < 0) return {FileReadStatus::unreadable, {}};
  FileContents contents{FileReadStatus::read, {}};
  contents.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  // Until end of file rather than to the size asked above: the editor may still be writing.
  char buffer[1 << 16];
  while (true) {
    DWORD got = 0;
    if (!ReadFile(raw, buffer, sizeof buffer, &got, nullptr)) {
      return {FileReadStatus::unreadable, {}};
    }
    if (got == 0) break;
    contents.bytes.append(buffer, got);
  }
  return contents;
}

}  // namespace talvoren
