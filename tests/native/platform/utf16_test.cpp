#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace talvoren {
namespace {

TEST(Utf16, RoundTripsEveryPlane) {
  const std::string texts[] = {
      "", "abc", "保存路径", "\xF0\x9F\x98\x80 emoji", "한국어", "\xF0\xA0\x80\x80"};
  for (const auto& text : texts) EXPECT_EQ(toUtf8(toUtf16(text)), text);
}

TEST(Utf16, EncodesSupplementaryCharactersAsSurrogatePairs) {
  const std::wstring units = toUtf16("\xF0\x9F\x98\x80");
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0], static_cast<wchar_t>(0xD83D));
  EXPECT_EQ(units[1], static_cast<wchar_t>(0xDE00));
  EXPECT_EQ(toUtf16("时间"),
            std::wstring({static_cast<wchar_t>(0x65F6), static_cast<wchar_t>(0x95F4)}));
}

TEST(Utf16, InvalidInputReadsAsReplacementCharacter) {
  const std::wstring r(1, static_cast<wchar_t>(0xFFFD));
  EXPECT_EQ(toUtf16("\xFF"), r);
  EXPECT_EQ(toUtf16("\xC0\xAF"), r + r);          // overlong lead bytes are never valid
  EXPECT_EQ(toUtf16("\xE0\x80\xAF"), r + r + r);  // overlong three-byte form
  EXPECT_EQ(toUtf16("\xED\xA0\x80"), r + r + r);  // encoded surrogate
  EXPECT_EQ(toUtf16("\xE4\xBD"
                    "a"),
            r + L"a");  // truncated, the next character survives
  EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(toUtf8(std::wstring({static_cast<wchar_t>(0xDC00), L'x'})), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace talvoren
