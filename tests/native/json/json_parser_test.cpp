#include "json/json_parser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "corpus.h"
#include "json/json_document.h"
#include "json/json_engine.h"
#include "json/json_writer.h"

namespace talvoren {
namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The JSON form of a text parsed on its own, or "refused".
std::string reparsed(std::string_view text) {
  JsonEngine engine;
  JsonParseResult result = parseJson(text, engine);
  if (!result.ok) return "refused";
  std::string out;
  appendJson(engine, result.value, out);
  return out;
}

TEST(JsonParser, AcceptsAndWritesBack) {
  struct Case {
    std::string text;
    std::string json;
  };
  for (const Case& c : std::vector<Case>{
           {"  {\"a\" : [ 1 , 2.5 , -0 , true , false , null ] }\r\n\t",
            R"({"a":[1,2.5,0,true,false,null]})"},
           {"\xEF\xBB\xBF[1]", "[1]"},  // a leading U+FEFF is white space
           {"1e400", "null"},           // +Infinity, written as null
           {"-1e400", "null"},
           {"[1e-400, 5e-324, 1E2, 0.1e1]", "[0,5e-324,100,1]"},
           {"123456789012345678901", "123456789012345680000"},
           {"\"\\u0041\\u00e9\\u4e2d\\ud83d\\ude00\"", "\"A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\""},
           {"\"\\ud800\"", "\"\\ufffd\""},          // a lone high surrogate
           {"\"\\udc00x\"", "\"\\ufffdx\""},        // a lone low surrogate
           {"\"\\ud800\\u0041\"", "\"\\ufffdA\""},  // high, then not a low one
           {"\"a\xFF"
            "b\xC3\"",
            "\"a\\ufffdb\\ufffd\""},                           // ill-formed UTF-8
           {"\"\xED\xA0\x80\"", "\"\\ufffd\\ufffd\\ufffd\""},  // an encoded surrogate
           {"\"\\/\\b\\f\\n\\r\\t\\\\\\\"\"", R"("/\b\f\n\r\t\\\"")"},
           {R"({"a":1,"b":2,"a":3})", R"({"a":3,"b":2})"},
           {"[]", "[]"},
           {"{}", "{}"},
       }) {
    EXPECT_EQ(reparsed(c.text), c.json) << c.text;
  }
}

TEST(JsonParser, DuplicateNamesKeepFirstPlaceAndLastValue) {
  struct Case {
    std::string text;
    std::string json;
  };
  std::vector<Case> cases = {
      {R"({"x":1,"o":{"x":2,"y":0,"x":4},"x":3})", R"({"x":3,"o":{"x":4,"y":0}})"},
      {R"([{"a":1,"b":2},{"b":3,"a":4,"b":5}])", R"([{"a":1,"b":2},{"b":5,"a":4}])"},
      {R"({"":1,"":2})", R"({"":2})"},
  };
  // Wide objects, and more distinct names than are shared, take the slower check.
  std::string wide = "{", wideJson = "{";
  for (int i = 0; i < 70000; ++i) {
    std::string member = "\"k" + std::to_string(i) + "\":" + std::to_string(i);
    wide += member + ",";
    wideJson += member + (i + 1 < 70000 ? "," : "");
  }
  wide += "\"k5\":\"again\",\"k69999\":true}";
  wideJson += "}";
  size_t at = wideJson.find("\"k5\":5");
  wideJson.replace(at, 6, "\"k5\":\"again\"");
  wideJson.replace(wideJson.size() - 6, 5, "true");
  cases.push_back({wide, wideJson});
  cases.push_back(
      {"[" + wide + "," + R"({"k1":1,"k1":2})" + "]", "[" + wideJson + R"(,{"k1":2}])"});
  for (const Case& c : cases) EXPECT_EQ(reparsed(c.text), c.json) << c.text.substr(0, 80);
}

TEST(JsonParser, RefusesWithPosition) {
  struct Case {
    std::string text;
    size_t offset;
  };
  for (const Case& c : std::vector<Case>{{"", 0},
                                         {"[1,]", 3},
                                         {"{\"a\":1,}", 7},
                                         {"[01]", 2},
                                         {"[1.]", 3},
                                         {"[.5]", 1},
                                         {"[+1]", 1},
                                         {"[1e]", 3},
                                         {"{'a':1}", 1},
                                         {"[\"a\nb\"]", 3},
                                         {"[\"\\x\"]", 3},
                                         {"[\"\\u12\"]", 4},
                                         {"[tru]", 1},
                                         {"[1] [2]", 4},
                                         {std::string("[\0]", 3), 1},
                                         {"\"abc", 4},
                                         {"[NaN]", 1},
                                         {"/* */ 1", 0},
                                         {" \xEF\xBB\xBF[1]", 1}}) {
    JsonEngine engine;
    size_t nodes = engine.nodes().size();
    JsonParseResult result = parseJson(c.text, engine);
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_EQ(result.errorOffset, c.offset) << c.text;
    EXPECT_FALSE(result.errorMessage.empty()) << c.text;
    EXPECT_EQ(engine.nodes().size(), nodes) << c.text;
  }
}

TEST(JsonParser, DeepNestingIsRefusedNotOverflowed) {
  for (char open : {'[', '{'}) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += open == '[' ? "[" : "{\"a\":";
    EXPECT_EQ(reparsed(text), "refused") << open;
  }
  std::string deep(JsonEngine::kMaxDepth, '[');
  deep += std::string(JsonEngine::kMaxDepth, ']');
  EXPECT_EQ(reparsed(deep), deep);
  EXPECT_EQ(reparsed("[" + deep + "]"), "refused");
}

TEST(JsonParser, LongStringsAndWideArrays) {
  std::string big(30 << 20, 'x');
  EXPECT_EQ(reparsed("\"" + big + "\""), "\"" + big + "\"");
  std::string wide = "[";
  for (int i = 0; i < 200000; ++i) wide += i ? ",1" : "1";
  wide += "]";
  EXPECT_EQ(reparsed(wide), wide);
}

// The public conformance suite: y_ accepted, n_ refused, i_ either way without harm.
TEST(JsonParser, ConformanceSuite) {
  auto dir = test::corpusDir("json-test-suite/test_parsing");
  if (!dir) {
    GTEST_SKIP() << "no ../shared/corpus/json-test-suite beside this checkout";
  }
  int accepted[3] = {}, refused[3] = {};
  for (const auto& entry : std::filesystem::directory_iterator(*dir)) {
    std::string name = entry.path().filename().string();
    int group = name.starts_with("y_")   ? 0
                : name.starts_with("n_") ? 1
                : name.starts_with("i_") ? 2
                                         : -1;
    if (group < 0) continue;
    std::string text = readFile(entry.path());
    std::string json = reparsed(text);
    bool ok = json != "refused";
    (ok ? accepted : refused)[group]++;
    if (group == 0) {
      EXPECT_TRUE(ok) << name;
      EXPECT_EQ(reparsed(json), json) << name;  // the JSON form reads back as itself
      JsonDocument doc;
      doc.load(text, true);
      EXPECT_EQ(doc.rootJson(), json) << name;
    }
    if (group == 1) {
      EXPECT_FALSE(ok) << name << " gave " << json;
    }
    JsonDocument evalForm;  // whatever the text, loading it in either form is harmless
    evalForm.load(text);
    evalForm.rootJson();
  }
  std::printf(
      "conformance: y_ %d accepted, %d refused; n_ %d refused, %d accepted; "
      "i_ %d accepted, %d refused\n",
      accepted[0], refused[0], refused[1], accepted[1], accepted[2], refused[2]);
  EXPECT_GT(accepted[0] + refused[1] + accepted[2] + refused[2], 300);
}

}  // namespace
}  // namespace talvoren
