#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace talvoren {
namespace {

using namespace std::string_literals;

// UTF-16LE bytes of the given units, with the terminating zero unit.
Bytes wide(std::u16string units) {
  Bytes bytes;
  for (char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes + "\0\0"s;
}

// One conversion: its input and the result expected.
struct Case {
  const char* name;
  Bytes in;
  Bytes out;
};

TEST(MultiByteToWide, Utf8) {
  const Case cases[] = {
      {"empty", "", ""},
      {"first byte zero", "\0abc"s, ""},
      {"zero in the middle ends the text", "ab\0cd"s, wide(u"ab")},
      {"Chinese", "\xE5\xAD\x97", wide(u"\u5B57")},
      {"emoji as a surrogate pair", "\xF0\x9F\x98\x80", wide(u"\U0001F600")},
      {"byte-order mark kept", "\xEF\xBB\xBF{", wide(u"\uFEFF{")},
      {"stray continuation byte", "a\x80z", wide(u"a\uFFFDz")},
      {"cut sequence at the end", "a\xE5\xAD", wide(u"a\uFFFD")},
      {"cut sequence inside",
       "a\xE5\xAD"
       "b",
       wide(u"a\uFFFDb")},
      {"overlong lead byte",
       "\xC0\xAF"
       "b",
       wide(u"\uFFFD\uFFFDb")},
      {"lead byte above U+10FFFF",
       "\xF5\x80\x80\x80"
       "b",
       wide(u"\uFFFD\uFFFD\uFFFD\uFFFDb")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(multiByteToWide(c.in, kUtf8CodePage), c.out) << c.name;
  }
}

TEST(MultiByteToWide, CodePage936) {
  EXPECT_EQ(multiByteToWide("\xD7\xD6", kLocalCodePage), wide(u"\u5B57"));
  EXPECT_EQ(multiByteToWide("a\x80", kLocalCodePage), wide(u"a\u20AC"));
  EXPECT_EQ(multiByteToWide("a\x81", kLocalCodePage), wide(u"a?")) << "lead byte at the end";
  EXPECT_EQ(multiByteToWide("\xD7\x7F"
                            "b",
                            kLocalCodePage),
            wide(u"?b"))
      << "pair without a form";
}

TEST(WideToMultiByte, Utf8AndCodePage936) {
  const struct {
    const char* name;
    Bytes in;
    unsigned codePage;
    Bytes out;
  } cases[] = {
      {"empty", "", kLocalCodePage, ""},
      {"first unit zero", wide(u"\0a"), kLocalCodePage, ""},
      {"odd trailing byte ignored", wide(u"a").substr(0, 2) + "b", kLocalCodePage, "a"},
      {"Chinese to GBK", wide(u"\u5B57"), kLocalCodePage, "\xD7\xD6"},
      {"no terminator in the result", wide(u"ab"), kLocalCodePage, "ab"},
      {"emoji: one default character per unit", wide(u"\U0001F600a"), kLocalCodePage, "??a"},
      {"lone surrogate",
       wide(u"\xD800"
            "a"),
       kLocalCodePage, "?a"},
      {"U+FFFD has no GBK form", wide(u"\uFFFD"), kLocalCodePage, "?"},
      {"Chinese to UTF-8", wide(u"\u5B57"), kUtf8CodePage, "\xE5\xAD\x97"},
      {"emoji to UTF-8", wide(u"\U0001F600"), kUtf8CodePage, "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(wideToMultiByte(c.in, c.codePage), c.out) << c.name;
}

TEST(Utf8ToLocalText, TheImportChainOfOldNarrowsToGbk) {
  const Case cases[] = {
      {"empty", "", ""},
      {"first byte zero", "\0\xE5\xAD\x97"s, ""},
      {"zero in the middle", "\xE5\xAD\x97\0\xE5\xAD\x97"s, "\xD7\xD6"},
      {"E5 AD 97 becomes D7 D6", "\xE5\xAD\x97", "\xD7\xD6"},
      {"emoji becomes the default character",
       "a\xF0\x9F\x98\x80"
       "b",
       "a??b"},
      {"malformed UTF-8 becomes U+FFFD, then ?",
       "a\x80"
       "b",
       "a?b"},
      {"byte-order mark converted like any character", "\xEF\xBB\xBF{}", "?{}"},
      {"ASCII unchanged", "{\"a\": 1}", "{\"a\": 1}"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8ToLocalText(c.in), c.out) << c.name;
}

TEST(WideToCodePageText, TheFlagChoosesTheGivenCodePage) {
  EXPECT_EQ(wideToLocalText(wide(u"\u5B57")), "\xD7\xD6");
  EXPECT_EQ(wideToCodePageText(wide(u"\u5B57"), kUtf8CodePage, true), "\xE5\xAD\x97");
  EXPECT_EQ(wideToCodePageText(wide(u"abc"), kUtf8CodePage, false), "abc");
}

TEST(Utf8TextUntilZero, KeepsEveryCharacterAndReplacesOnlyWhatIsBroken) {
  const Case cases[] = {
      {"empty", "", ""},
      {"first byte zero", "\0abc"s, ""},
      {"zero in the middle ends the text", "ab\0cd"s, "ab"},
      {"characters GBK cannot hold", "\xF0\x9F\x98\x80 \xED\x95\x9C \xC3\xA9",
       "\xF0\x9F\x98\x80 \xED\x95\x9C \xC3\xA9"},
      {"U+FFFD itself stays", "\xEF\xBF\xBD", "\xEF\xBF\xBD"},
      {"byte-order mark kept", "\xEF\xBB\xBF{}", "\xEF\xBB\xBF{}"},
      {"stray byte", "a\x80z", "a\xEF\xBF\xBDz"},
      {"cut sequence", "a\xE5\xAD", "a\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8TextUntilZero(c.in), c.out) << c.name;
}

TEST(IsUtf8Text, OnlyWhatComesBackUnchanged) {
  EXPECT_TRUE(isUtf8Text(""));
  EXPECT_TRUE(isUtf8Text("{\"字\": \"\xF0\x9F\x98\x80\"}"));
  EXPECT_FALSE(isUtf8Text("a\0b"s));
  EXPECT_FALSE(isUtf8Text("a\x80"));
  EXPECT_FALSE(isUtf8Text("\xE5\xAD"));
}

}  // namespace
}  // namespace talvoren
