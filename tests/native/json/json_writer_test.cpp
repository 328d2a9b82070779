#include "json/json_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json/json_parser.h"
#include "platform/utf8.h"

namespace talvoren {
namespace {

std::string jsonQuoted(std::string_view text) {
  std::string out;
  appendQuotedJson(text, out);
  return out;
}

std::string utf8(char32_t c) {
  std::string out;
  appendUtf8(out, c);
  return out;
}

TEST(JsonWriter, EscapesEveryClass) {
  struct Case {
    std::string text;
    std::string json;
  };
  std::vector<Case> cases = {
      {"plain ascii", "\"plain ascii\""},
      {"\"", R"("\"")"},
      {"\\", R"("\\")"},
      {"\b\t\n\f\r", R"("\b\t\n\f\r")"},
      {std::string("\0\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
      {"\x7f", R"("\u007f")"},
      {"/ ~ '", R"("/ ~ '")"},
      {"\xE4\xB8\xAD\xF0\x9F\x98\x80", "\"\xE4\xB8\xAD\xF0\x9F\x98\x80\""},  // 中 and an emoji
  };
  // Each escaped range: its ends are escaped, the characters beside them are not.
  struct Range {
    char32_t first, last;
  };
  for (Range r : std::vector<Range>{{0x7F, 0x9F},
                                    {0xAD, 0xAD},
                                    {0x600, 0x604},
                                    {0x70F, 0x70F},
                                    {0x17B4, 0x17B5},
                                    {0x200C, 0x200F},
                                    {0x2028, 0x202F},
                                    {0x2060, 0x206F},
                                    {0xFEFF, 0xFEFF},
                                    {0xFFF0, 0xFFFF}}) {
    for (char32_t c : {r.first, r.last}) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned>(c));
      cases.push_back({utf8(c), "\"" + std::string(hex) + "\""});
    }
    cases.push_back({utf8(r.first - 1), "\"" + utf8(r.first - 1) + "\""});
    if (r.last < 0xFFFF) cases.push_back({utf8(r.last + 1), "\"" + utf8(r.last + 1) + "\""});
  }
  for (const Case& c : cases) EXPECT_EQ(jsonQuoted(c.text), c.json) << c.json;
}

TEST(JsonWriter, PlainTextFlattensArrays) {
  JsonEngine engine;
  JsonParseResult parsed = parseJson(R"([1,[2,[3,null]],"a,b",{},false,-0,1e21])", engine);
  ASSERT_TRUE(parsed.ok);
  std::string out;
  appendPlainText(engine, parsed.value, out);
  EXPECT_EQ(out, "1,2,3,,a,b,[object Object],false,0,1e+21");
}

}  // namespace
}  // namespace talvoren
