#include "drafts/text_between.h"

#include <gtest/gtest.h>

#include "drafts/default_draft_folder.h"

namespace talvoren {
namespace {

TEST(TextBetween, Cases) {
  const struct {
    const char* name;
    const char* text;
    const char* left;
    const char* right;
    int start;
    bool ignoreCase;
    const char* result;
  } cases[] = {
      {"plain", R"(C:\Users\user1\Desktop\)", R"(\Users\)", R"(\)", 1, false, "user1"},
      {"first left, next right", "a[1]b[2]", "[", "]", 1, false, "1"},
      {"left marker missing", "abc", "[", "]", 1, false, ""},
      {"right marker missing", "a[bc", "[", "]", 1, false, ""},
      {"right marker only before the left", "]a[bc", "[", "]", 1, false, ""},
      {"markers touch", "a[]b", "[", "]", 1, false, ""},
      {"case-sensitive by default", R"(C:\USERS\u\x)", R"(\Users\)", R"(\)", 1, false, ""},
      {"ignore case", R"(C:\USERS\u\x)", R"(\users\)", R"(\)", 1, true, "u"},
      {"start position skips the first", "a[1]b[2]", "[", "]", 5, false, "2"},
      {"start position on the marker", "a[1]b[2]", "[", "]", 2, false, "1"},
      {"start below 1 means the beginning", "a[1]b[2]", "[", "]", -3, false, "1"},
      {"start past the end", "a[1]", "[", "]", 9, false, ""},
      {"placeholder stands for a double quote", R"(id="42" x)", "id=#引号", "#引号", 1, false,
       "42"},
      {"Chinese markers", "草稿：名字。", "草稿：", "。", 1, false, "名字"},
      {"match after a character", "字[x]", "[", "]", 1, false, "x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textBetween(c.text, c.left, c.right, c.start, c.ignoreCase), c.result) << c.name;
  }
}

TEST(TextBetween, MarkersMatchOnlyWhereACharacterBegins) {
  // "字" is E5 AD 97; a marker of its last two bytes must not be found inside it.
  EXPECT_EQ(textBetween("\xE5\xAD\x97xy!", "\xAD\x97", "!"), "");
  EXPECT_EQ(textBetween("\xE5\xAD\x97x!\xE5\xAD\x97", "\xE5\xAD\x97", "\xE5\xAD\x97"), "x!");
  // The right marker too: "\x97" alone stands inside 字 and is skipped.
  EXPECT_EQ(textBetween("<\xE5\xAD\x97>", "<", "\x97"), "");
}

TEST(DefaultDraftFolder, FromTheDesktopPath) {
  const std::string tail = R"(\AppData\Local\JianyingPro\User Data\Projects\com.lveditor.draft\)";
  const struct {
    const char* desktop;
    const char* user;
  } cases[] = {
      {R"(C:\Users\user1\Desktop)", "user1"},
      {R"(C:\Users\user1\Desktop\)", "user1"},
      {R"(C:\Users\user1\Sync\Desktop)", "user1"},  // the first \Users\ and the next backslash
      {R"(D:\Users\user2\Desktop)", "user2"},       // still drive C:
      {R"(C:\Users\张三\Desktop)", "张三"},
      {R"(D:\Desktop)", ""},              // no \Users\: two backslashes in a row
      {R"(C:\USERS\user1\Desktop)", ""},  // case-sensitive
      {R"(C:\Users\user1)", "user1"},     // the appended backslash ends the name
      {"", ""},                           // no desktop path
  };
  for (const auto& c : cases) {
    EXPECT_EQ(defaultDraftFolder(c.desktop), std::string(R"(C:\Users\)") + c.user + tail)
        << c.desktop;
  }
}

}  // namespace
}  // namespace talvoren
