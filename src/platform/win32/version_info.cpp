#include "platform/win32/version_info.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/utf16.h"

namespace talvoren::win32 {

std::string fileVersionText(const std::string& path) {
  const std::wstring widePath = toUtf16(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> record(size);
  if (!GetFileVersionInfoW(widePath.c_str(), 0, size, record.data())) return {};

  std::wstring translation = L"040904E4";
  struct LanguageCodePage {
    WORD language;
    WORD codePage;
  };
  LanguageCodePage* translations = nullptr;
  UINT length = 0;
  if (VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                     reinterpret_cast<void**>(&translations), &length) &&
      length >= sizeof(LanguageCodePage)) {
    wchar_t code[9];
    std::swprintf(code, 9, L"%04x%04x", translations[0].language, translations[0].codePage);
    translation = code;
  }
  wchar_t* value = nullptr;
  const std::wstring key = L"\\StringFileInfo\\" + translation + L"\\FileVersion";
  if (!VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
      length == 0) {
    return {};
  }
  return toUtf8(std::wstring(value, wcsnlen(value, length)));
}

}  // namespace talvoren::win32
