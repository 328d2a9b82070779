#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "corpus.h"
#include "json/json_document.h"

namespace talvoren {
namespace {

constexpr const char* kDraft = R"({
  "materials": {"texts": [
    {"id": "a", "content": "<font>first</font>"},
    {"id": "b", "content": "second \"quoted\" \\ line\nbreak"}
  ]},
  "tracks": [
    {"type": "video", "segments": []},
    {"type": "text", "segments": [
      {"material_id": "a", "target_timerange": {"start": 0, "duration": 1500000}},
      {"material_id": "b", "target_timerange": {"start": 1500000, "duration": 2000000}}
    ]}
  ],
  "flag": true, "off": false, "nothing": null, "half": 0.5, "big": 1e21, "tiny": 1e-7,
  "count": 25, "mixed": [1, null, "x", [2, [3]], {"k": 1}, true], "empty": {}, "word": "25"
})";

class LoadedDraft : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.load(kDraft)); }
  JsonDocument doc;
};

TEST(JsonDocumentLifecycle, NewDocumentHoldsEmptyObject) {
  JsonDocument doc;
  EXPECT_EQ(doc.rootName(), "da");
  EXPECT_EQ(doc.rootJson(), "{}");
  EXPECT_TRUE(doc.exists(""));
  EXPECT_EQ(doc.typeCode(""), 4);
  EXPECT_TRUE(doc.engineObject());
}

TEST(JsonDocumentLifecycle, CopySharesEngineAndLoadReplacesIt) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(R"({"a":1})"));
  auto copy = doc.copy();
  EXPECT_EQ(copy->engineObject(), doc.engineObject());
  EXPECT_TRUE(copy->setNumber("b", 2));
  EXPECT_EQ(doc.rootJson(), R"({"a":1,"b":2})");
  auto before = doc.engineObject();
  ASSERT_TRUE(doc.load("[1]"));
  EXPECT_NE(doc.engineObject(), before);
  EXPECT_EQ(copy->rootJson(), R"({"a":1,"b":2})");  // the copy keeps the old engine
}

TEST(JsonDocumentLifecycle, DestroyedDocumentAnswersAsFailed) {
  JsonDocument doc;
  doc.destroy();
  std::vector<std::string> names{"stale"};
  ScriptError error;
  error.number = 7;
  EXPECT_FALSE(doc.load("{}", false, &error));
  EXPECT_EQ(error.number, 7);  // untouched without an engine
  EXPECT_FALSE(doc.exists(""));
  std::string path = "x";
  EXPECT_FALSE(doc.resolvePath(path));
  EXPECT_EQ(path, "da.x");  // the rewrite needs no engine
  EXPECT_EQ(doc.typeCode(""), -1);
  EXPECT_EQ(doc.valueText(""), "");
  EXPECT_EQ(doc.rootJson(), "");
  EXPECT_EQ(doc.memberNames(names), 0);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(doc.arrayCount(""), 0);
  EXPECT_FALSE(doc.clear());
  EXPECT_FALSE(doc.engineObject());
  EXPECT_FALSE(doc.setMember("a", "b"));
  EXPECT_EQ(doc.getNumber("a"), 0);
  auto derived = doc.memberDocument("");
  EXPECT_FALSE(derived->exists(""));
}

TEST(JsonDocumentLoad, FailuresLeaveRootNull) {
  struct Case {
    const char* text;
    bool asLiteral;
  };
  for (const Case& c : std::vector<Case>{{"null", false},
                                         {"{\"a\":", false},
                                         {"[1,]", true},
                                         {"\"abc\"", false},  // eval form re-reads the content
                                         {"", false},
                                         {"{} x", false}}) {
    JsonDocument doc;
    ASSERT_TRUE(doc.setMember("kept", "1"));
    EXPECT_FALSE(doc.load(c.text, c.asLiteral)) << c.text;
    EXPECT_FALSE(doc.exists("")) << c.text;
    EXPECT_FALSE(doc.exists("kept")) << c.text;
    EXPECT_EQ(doc.valueText("kept"), "") << c.text;
    EXPECT_EQ(doc.arrayCount(""), 0) << c.text;
    EXPECT_EQ(doc.rootJson(), "null") << c.text;
  }
}

TEST(JsonDocumentLoad, EvalFormReadsTopLevelStringAgain) {
  struct Case {
    const char* text;
    bool asLiteral;
    bool loaded;
    const char* json;
  };
  for (const Case& c : std::vector<Case>{{R"("[1,2]")", false, true, "[1,2]"},
                                         {R"("[1,2]")", true, true, R"("[1,2]")"},
                                         {R"("abc")", true, true, R"("abc")"},
                                         {R"("\"abc\"")", false, true, R"("abc")"},
                                         {R"("abc")", false, false, "null"},
                                         {R"({"a":[1]})", false, true, R"({"a":[1]})"}}) {
    JsonDocument doc;
    EXPECT_EQ(doc.load(c.text, c.asLiteral), c.loaded) << c.text;
    EXPECT_EQ(doc.rootJson(), c.json) << c.text;
  }
}

TEST(JsonDocumentLoad, ErrorRecordGivesPosition) {
  JsonDocument doc;
  ScriptError error;
  EXPECT_FALSE(doc.load("{\n  \"a\": [1,\n  2,,]\n}", false, &error));
  EXPECT_NE(error.number, 0);
  EXPECT_FALSE(error.description.empty());
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.column, 5);
  EXPECT_TRUE(doc.load("[]", false, &error));
  EXPECT_EQ(error.number, 0);
  EXPECT_EQ(error.description, "");
}

TEST(JsonDocumentLoad, TextEndsAtFirstNul) {
  JsonDocument doc;
  EXPECT_TRUE(doc.load(std::string("[1]\0garbage", 11)));
  EXPECT_EQ(doc.rootJson(), "[1]");
}

TEST_F(LoadedDraft, ResolvePathRewritesAsTheRootNameRuleSays) {
  struct Case {
    const char* path;
    const char* resolved;
    bool present;
  };
  for (const Case& c :
       std::vector<Case>{{"", "da", true},
                         {"[0]", "da[0]", false},
                         {"materials.texts", "da.materials.texts", true},
                         {"da.materials", "da.materials", true},
                         {"da.absent", "da.da.absent", false},
                         {"da.nothing", "da.da.nothing", false},
                         {"data.x", "da.data.x", false},
                         {"nothing", "da.nothing", false},
                         {"tracks[1]['target']", "da.tracks[1]['target']", false}}) {
    std::string path = c.path;
    EXPECT_EQ(doc.resolvePath(path), c.present) << c.path;
    EXPECT_EQ(path, c.resolved) << c.path;
  }
}

TEST(JsonDocumentPaths, RootNamePrefixKeepsPresentPaths) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(R"({"data":{"x":1},"da":{"materials":2}})"));
  std::string path = "data.x";  // not the root name: an unknown global
  EXPECT_TRUE(doc.resolvePath(path));
  EXPECT_EQ(path, "da.data.x");
  path = "da.materials";  // absent at the root, present under da.da
  EXPECT_TRUE(doc.resolvePath(path));
  EXPECT_EQ(path, "da.da.materials");
  path = "[0]";
  ASSERT_TRUE(doc.load("[7]"));
  EXPECT_TRUE(doc.resolvePath(path));
  EXPECT_EQ(path, "da[0]");
}

TEST_F(LoadedDraft, TypeCodes) {
  struct Case {
    const char* path;
    int code;
  };
  for (const Case& c : std::vector<Case>{{"", 4},
                                         {"absent", 0},
                                         {"nothing", 0},
                                         {"absent.child", -1},
                                         {"nothing.child", -1},
                                         {"da.count", 2},
                                         {"da.nothing", -1},  // null: rewritten to da.da.nothing
                                         {"flag", 1},
                                         {"count", 2},
                                         {"materials", 4},
                                         {"materials.texts", 5},
                                         {"materials.texts[0].id", 6},
                                         {"materials.texts[9]", 0},
                                         {"materials.texts.length", 2},
                                         {"da[", -1},
                                         {"da['x", -1},
                                         {"tracks[1", -1},
                                         {"count + 1", -1},
                                         {"tracks[1].segments[0]['target_timerange'].start", 2}}) {
    EXPECT_EQ(doc.typeCode(c.path), c.code) << c.path;
  }
}

TEST_F(LoadedDraft, ValueTextPlainAndJson) {
  struct Case {
    const char* path;
    const char* plain;
    const char* json;
  };
  for (const Case& c : std::vector<Case>{
           {"count", "25", "25"},
           {"half", "0.5", "0.5"},
           {"big", "1e+21", "1e+21"},
           {"tiny", "1e-7", "1e-7"},
           {"flag", "true", "true"},
           {"off", "false", "false"},
           {"nothing", "", "null"},
           {"absent", "", ""},
           {"absent.child", "", ""},
           {"mixed", "1,,x,2,3,[object Object],true", R"([1,null,"x",[2,[3]],{"k":1},true])"},
           {"empty", "[object Object]", "{}"},
           {"word", "25", R"("25")"},
           {"materials.texts[1].content", "second \"quoted\" \\ line\nbreak",
            R"("second \"quoted\" \\ line\nbreak")"},
           {"tracks[1].segments[1]['target_timerange'].duration", "2000000", "2000000"},
           {"tracks[1].segments[1][\"target_timerange\"].start", "1500000", "1500000"},
           {"materials.texts[0].content.length", "18", "18"}}) {
    EXPECT_EQ(doc.valueText(c.path), c.plain) << c.path;
    EXPECT_EQ(doc.valueText(c.path, true), c.json) << c.path;
    EXPECT_EQ(doc.memberJson(c.path), c.json) << c.path;
  }
}

TEST_F(LoadedDraft, MemberNamesInTextOrder) {
  std::vector<std::string> names{"stale"};
  EXPECT_EQ(doc.memberNames(names, "tracks[1].segments[0]"), 2);
  EXPECT_EQ(names, (std::vector<std::string>{"material_id", "target_timerange"}));
  for (const char* path : {"materials.texts", "word", "empty", "absent", "absent.x"}) {
    names = {"stale"};
    EXPECT_EQ(doc.memberNames(names, path), 0) << path;
    EXPECT_TRUE(names.empty()) << path;
  }
}

TEST(JsonDocumentMemberNames, EmptyNamesCountExceptTheLast) {
  JsonDocument doc;
  std::vector<std::string> names;
  ASSERT_TRUE(doc.load(R"({"":1,"a":2,"":3})"));  // duplicates: first place, last value
  EXPECT_EQ(doc.memberNames(names), 2);
  EXPECT_EQ(names, (std::vector<std::string>{"", "a"}));
  EXPECT_EQ(doc.rootJson(), R"({"":3,"a":2})");
  ASSERT_TRUE(doc.load(R"({"a":1,"":2})"));
  EXPECT_EQ(doc.memberNames(names), 1);
}

TEST_F(LoadedDraft, ArrayCount) {
  struct Case {
    const char* path;
    int count;
  };
  for (const Case& c : std::vector<Case>{{"materials.texts", 2},
                                         {"tracks[0].segments", 0},
                                         {"tracks", 2},
                                         {"materials", 0},
                                         {"absent", 0},
                                         {"absent.x", 0},
                                         {"word", 0}}) {
    EXPECT_EQ(doc.arrayCount(c.path), c.count) << c.path;
  }
}

TEST(JsonDocumentBigObjects, LookupFindsEveryMember) {
  std::string text = "{";
  for (int i = 0; i < 500; ++i)
    text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":" + std::to_string(i);
  text += ",\"k7\":\"last\"}";
  JsonDocument doc;
  ASSERT_TRUE(doc.load(text));
  for (int i = 0; i < 500; i += 37)
    EXPECT_EQ(doc.valueText("k" + std::to_string(i)), i == 7 ? "last" : std::to_string(i));
  EXPECT_EQ(doc.typeCode("k500"), 0);
  EXPECT_TRUE(doc.setMember("k500", "new"));
  EXPECT_EQ(doc.valueText("k500"), "new");
  EXPECT_TRUE(doc.deleteMember("k3"));
  EXPECT_EQ(doc.typeCode("k3"), 0);
  EXPECT_EQ(doc.valueText("k4"), "4");
}

// Every real draft loads, and its JSON form loads back as itself; every subtitle's text and every
// segment's time range reads by the paths the import uses.
TEST(JsonDocumentDrafts, RealDraftsLoadAndRead) {
  auto dir = test::corpusDir("drafts");
  if (!dir) {
    GTEST_SKIP() << "no ../shared/corpus/drafts beside this checkout";
  }
  int drafts = 0, texts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(*dir)) {
    std::filesystem::path file = entry.path() / "draft_content.json";
    if (!std::filesystem::is_regular_file(file)) continue;
    std::ifstream in(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    JsonDocument doc;
    ASSERT_TRUE(doc.load(text)) << file;
    ++drafts;
    std::string json = doc.rootJson();
    JsonDocument again;
    ASSERT_TRUE(again.load(json)) << file;
    EXPECT_EQ(again.rootJson(), json) << file;
    int count = doc.arrayCount("materials.texts");
    for (int k = 0; k < count; ++k) {
      std::string base = "materials.texts[" + std::to_string(k) + "]";
      EXPECT_EQ(doc.typeCode(base + ".content"), 6) << file << " " << k;
      EXPECT_FALSE(doc.valueText(base + ".content").empty()) << file << " " << k;
    }
    texts += count;
    for (int t = 0; t < doc.arrayCount("tracks"); ++t) {
      std::string segments = "tracks[" + std::to_string(t) + "].segments";
      for (int k = 0; k < doc.arrayCount(segments); ++k) {
        std::string range = segments + "[" + std::to_string(k) + "]['target_timerange']";
        EXPECT_EQ(doc.typeCode(range + ".start"), 2) << file << " " << range;
        EXPECT_EQ(doc.typeCode(range + ".duration"), 2) << file << " " << range;
      }
    }
  }
  std::printf("drafts: %d loaded, %d text materials read\n", drafts, texts);
  EXPECT_GT(drafts, 0);
}

}  // namespace
}  // namespace talvoren
