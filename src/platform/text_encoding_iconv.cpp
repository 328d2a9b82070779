// Outside Windows: UTF-8 through our own converters (iconv cannot replace malformed input the way
// the Windows converter does), every other code page through iconv, with the Windows replacement
// rules added where iconv stops.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/utf8.h"
#include "platform/text_encoding.h"
#include "platform/text_encoding_system.h"
#include "platform/utf16.h"

namespace talvoren::detail {
namespace {

class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can into out; answers false when it stopped at input it cannot take.
  bool convert(const char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[4096];
    while (inLeft > 0) {
      char* next = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t result = iconv(handle_, const_cast<char**>(&in), &inLeft, &next, &room);
      out.append(buffer, next - buffer);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t handle_;
};

std::string codePageName(unsigned codePage) {
  return "CP" + std::to_string(codePage);
}

}  // namespace

std::u16string systemToWide(std::string_view text, unsigned codePage) {
  if (codePage == kUtf8CodePage) {
    const std::wstring wide = toUtf16(wellFormedUtf8(text));
    return std::u16string(wide.begin(), wide.end());
  }
  Converter converter("UTF-16LE", codePageName(codePage));
  if (!converter.valid()) return {};
  std::string wide;
  const char* in = text.data();
  std::size_t inLeft = text.size();
  while (!converter.convert(in, inLeft, wide)) {
    // Like the Windows converter: a byte pair without a character (or a lead byte at the end)
    // becomes one "?".
    const std::size_t skip = static_cast<unsigned char>(*in) >= 0x81 && inLeft > 1 ? 2 : 1;
    wide.append("?\0", 2);
    in += skip;
    inLeft -= skip;
  }
  std::u16string units(wide.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                     static_cast<unsigned char>(wide[2 * i + 1]) << 8);
  }
  return units;
}

std::string systemFromWide(std::u16string_view wide, unsigned codePage) {
  if (codePage == kUtf8CodePage) return toUtf8(std::wstring(wide.begin(), wide.end()));
  Converter converter(codePageName(codePage), "UTF-16LE");
  if (!converter.valid()) return {};
  std::string input;
  input.reserve(wide.size() * 2);
  for (char16_t unit : wide) {
    input += static_cast<char>(unit & 0xFF);
    input += static_cast<char>(unit >> 8);
  }
  std::string out;
  const char* in = input.data();
  std::size_t inLeft = input.size();
  // A character without a form here becomes the default character, one per UTF-16 unit, as the
  // Windows converter writes it.
  while (!converter.convert(in, inLeft, out)) {
    out += '?';
    in += 2;
    inLeft -= 2;
  }
  return out;
}

unsigned systemAnsiCodePage() {
  return kLocalCodePage;
}

}  // namespace talvoren::detail
