#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "json/json_document.h"
#include "json/json_engine.h"

namespace talvoren {
namespace {

constexpr const char* kStart = R"({"obj":{"s":"str","b":true,"n":1,"z":null,"o":{"x":1},"a":[1]},)"
                               R"("arr":[1,2],"strs":["a","b\\c"],"str":"text","num":5,"t":true,)"
                               R"("word":" 25 ","hex":"0x10"})";

// One edit on a fresh copy of kStart: its result, then the JSON form found at a path.
struct EditCase {
  const char* what;
  std::function<bool(JsonDocument&)> edit;
  bool result;
  const char* path;
  const char* json;  // valueText(path, true) afterwards
};

void runEdits(const std::vector<EditCase>& cases) {
  for (const EditCase& c : cases) {
    JsonDocument doc;
    ASSERT_TRUE(doc.load(kStart));
    EXPECT_EQ(c.edit(doc), c.result) << c.what;
    EXPECT_EQ(doc.valueText(c.path, true), c.json) << c.what;
  }
}

TEST(JsonDocumentEdit, SetMemberJsonMergesOrReplaces) {
  using D = JsonDocument&;
  runEdits({
      {"empty value on an object merges nothing", [](D d) { return d.setMember("obj", "", true); },
       true, "obj", R"({"s":"str","b":true,"n":1,"z":null,"o":{"x":1},"a":[1]})"},
      {"empty value on an absent member makes {}",
       [](D d) { return d.setMember("fresh", "", true); }, true, "fresh", "{}"},
      {"object into object merges member by member",
       [](D d) {
         return d.setMember(
             "obj", R"({"s":"new","b":false,"n":2,"z":"y","o":{"y":2},"a":[2],"add":[]})", true);
       },
       true, "obj", R"({"s":"new","b":false,"n":2,"z":"y","o":{"x":1,"y":2},"a":[1,2],"add":[]})"},
      {"a primitive source leaves object members alone",
       [](D d) { return d.setMember("obj", R"({"o":5,"a":"x"})", true); }, true, "obj",
       R"({"s":"str","b":true,"n":1,"z":null,"o":{"x":1},"a":[1]})"},
      {"array into object merges by index", [](D d) { return d.setMember("obj.o", "[5,6]", true); },
       true, "obj.o", R"({"x":1,"0":5,"1":6})"},
      {"array member is replaced whole", [](D d) { return d.setMember("arr", "[9]", true); }, true,
       "arr", "[9]"},
      {"string member is replaced", [](D d) { return d.setMember("str", R"({"a":1})", true); },
       true, "str", R"({"a":1})"},
      {"number member is replaced", [](D d) { return d.setMember("num", "true", true); }, true,
       "num", "true"},
      {"the root merges", [](D d) { return d.setMember("", R"({"num":6})", true); }, true, "num",
       "6"},
      {"a quoted JSON text is read once more",
       [](D d) { return d.setMember("num", R"("[1]")", true); }, true, "num", "[1]"},
      {"a quoted text merges nothing", [](D d) { return d.setMember("obj.o", R"("[5]")", true); },
       true, "obj.o", R"({"x":1})"},
      {"absent parent fails", [](D d) { return d.setMember("nope.x", "1", true); }, false, "nope",
       ""},
      {"bad JSON changes nothing", [](D d) { return d.setMember("obj", "{\"s\":1,", true); }, false,
       "obj.s", "\"str\""},
      {"an expression is refused", [](D d) { return d.setMember("num", "1+1", true); }, false,
       "num", "5"},
  });
}

TEST(JsonDocumentEdit, SetMemberPlainStoresTextExactly) {
  using D = JsonDocument&;
  runEdits({
      {"new member", [](D d) { return d.setMember("fresh", "x"); }, true, "fresh", "\"x\""},
      {"replaces an object", [](D d) { return d.setMember("obj", "x"); }, true, "obj", "\"x\""},
      {"nested", [](D d) { return d.setMember("obj.o.x", "v"); }, true, "obj.o", R"({"x":"v"})"},
      {"past an array's end leaves holes", [](D d) { return d.setMember("arr[4]", "x"); }, true,
       "arr", R"([1,2,null,null,"x"])"},
      {"a property of a string is refused", [](D d) { return d.setMember("str.x", "1"); }, false,
       "str", "\"text\""},
      {"an array's length is refused", [](D d) { return d.setMember("arr.length", "1"); }, false,
       "arr", "[1,2]"},
      {"absent parent fails", [](D d) { return d.setMember("nope.x", "1"); }, false, "nope", ""},
      {"unbalanced path fails", [](D d) { return d.setMember("obj['s", "1"); }, false, "obj.s",
       "\"str\""},
  });
  const std::string awkward = "it's \"q\" \\ \\n \r\n end \xF0\x9F\x98\x80 \xE2\x80\xA8";
  JsonDocument doc;
  ASSERT_TRUE(doc.setMember("t", awkward));
  EXPECT_EQ(doc.valueText("t"), awkward);
  EXPECT_EQ(doc.memberJson("t"),
            "\"it's \\\"q\\\" \\\\ \\\\n \\r\\n end \xF0\x9F\x98\x80 \\u2028\"");
  JsonDocument again;
  ASSERT_TRUE(again.load(doc.rootJson()));
  EXPECT_EQ(again.valueText("t"), awkward);
}

TEST(JsonDocumentEdit, SetByEvalTakesJsonValues) {
  using D = JsonDocument&;
  runEdits({
      {"array", [](D d) { return d.setByEval("num", R"([1,{"a":2}])"); }, true, "num",
       R"([1,{"a":2}])"},
      {"object replaces, no merge", [](D d) { return d.setByEval("obj", R"({"a":2})"); }, true,
       "obj", R"({"a":2})"},
      {"new member", [](D d) { return d.setByEval("fresh", "null"); }, true, "fresh", "null"},
      {"a quoted bare word is a script error", [](D d) { return d.setByEval("num", R"("text")"); },
       false, "num", "5"},
      {"a doubly quoted text is a string", [](D d) { return d.setByEval("num", R"("\"text\"")"); },
       true, "num", R"("text")"},
      {"an expression is refused", [](D d) { return d.setByEval("num", "1+1"); }, false, "num",
       "5"},
      {"nothing is refused", [](D d) { return d.setByEval("num", ""); }, false, "num", "5"},
      {"absent parent fails", [](D d) { return d.setByEval("nope.x", "1"); }, false, "nope", ""},
  });
}

TEST(JsonDocumentEdit, AddItem) {
  using D = JsonDocument&;
  runEdits({
      {"absent member becomes an array", [](D d) { return d.addItem("v", "fresh"); }, true, "fresh",
       R"(["v"])"},
      {"a string member is replaced", [](D d) { return d.addItem("v", "str"); }, true, "str",
       R"(["v"])"},
      {"an object member is replaced", [](D d) { return d.addItem("v", "obj"); }, true, "obj",
       R"(["v"])"},
      {"at the end", [](D d) { return d.addItem("v", "arr"); }, true, "arr", R"([1,2,"v"])"},
      {"at the front", [](D d) { return d.addItem("v", "arr", false, true); }, true, "arr",
       R"(["v",1,2])"},
      {"JSON value", [](D d) { return d.addItem(R"({"a":[1]})", "arr", true); }, true, "arr",
       R"([1,2,{"a":[1]}])"},
      {"plain text is stored exactly", [](D d) { return d.addItem("it's \\ \"x\"\n", "arr"); },
       true, "arr", R"([1,2,"it's \\ \"x\"\n"])"},
      {"bad JSON changes nothing", [](D d) { return d.addItem("[1,", "fresh", true); }, false,
       "fresh", ""},
      {"empty JSON adds nothing", [](D d) { return d.addItem("", "arr", true); }, true, "arr",
       "[1,2]"},
      {"absent parent fails", [](D d) { return d.addItem("v", "nope.x"); }, false, "nope", ""},
      {"the root path", [](D d) { return d.addItem("v", ""); }, true, "", R"(["v"])"},
  });
}

TEST(JsonDocumentEdit, SetItem) {
  using D = JsonDocument&;
  runEdits({
      {"past the end leaves holes", [](D d) { return d.setItem(5, "arr", "x"); }, true, "arr",
       R"([1,2,null,null,null,"x"])"},
      {"JSON value", [](D d) { return d.setItem(0, "arr", R"({"a":1})", true); }, true, "arr",
       R"([{"a":1},2])"},
      {"plain text is stored exactly", [](D d) { return d.setItem(1, "arr", "it's \\\r\n"); }, true,
       "arr", R"([1,"it's \\\r\n"])"},
      {"an object member named by the index", [](D d) { return d.setItem(0, "obj.o", "x"); }, true,
       "obj.o", R"({"x":1,"0":"x"})"},
      {"a negative index is refused", [](D d) { return d.setItem(-1, "arr", "x"); }, false, "arr",
       "[1,2]"},
      {"far past the end is refused", [](D d) { return d.setItem(2147483647, "arr", "x"); }, false,
       "arr", "[1,2]"},
      {"a string is refused", [](D d) { return d.setItem(0, "str", "x"); }, false, "str",
       "\"text\""},
      {"bad JSON changes nothing", [](D d) { return d.setItem(0, "arr", "", true); }, false, "arr",
       "[1,2]"},
      {"absent member fails", [](D d) { return d.setItem(0, "fresh", "x"); }, false, "fresh", ""},
  });
}

TEST(JsonDocumentEdit, RemoveItemAndDeleteMember) {
  using D = JsonDocument&;
  runEdits({
      {"first element", [](D d) { return d.removeItem(0, "arr"); }, true, "arr", "[2]"},
      {"past the end changes nothing", [](D d) { return d.removeItem(5, "arr"); }, true, "arr",
       "[1,2]"},
      {"negative counts from the end", [](D d) { return d.removeItem(-1, "arr"); }, true, "arr",
       "[1]"},
      {"an object has no elements", [](D d) { return d.removeItem(0, "obj"); }, false, "obj.s",
       "\"str\""},
      {"absent", [](D d) { return d.removeItem(0, "fresh"); }, false, "fresh", ""},
      {"delete a member", [](D d) { return d.deleteMember("obj.s"); }, true, "obj",
       R"({"b":true,"n":1,"z":null,"o":{"x":1},"a":[1]})"},
      {"delete an element leaves a hole", [](D d) { return d.deleteMember("arr[0]"); }, true, "arr",
       "[null,2]"},
      {"delete an absent member", [](D d) { return d.deleteMember("fresh"); }, true, "fresh", ""},
      {"delete under an absent parent", [](D d) { return d.deleteMember("nope.x"); }, false, "nope",
       ""},
      {"the root stays", [](D d) { return d.deleteMember(""); }, false, "num", "5"},
      {"an array's length stays", [](D d) { return d.deleteMember("arr.length"); }, false, "arr",
       "[1,2]"},
  });
  JsonDocument doc;
  ASSERT_TRUE(doc.load("[1,2,3]"));
  ASSERT_TRUE(doc.deleteMember("[1]"));
  EXPECT_EQ(doc.arrayCount(""), 3);
  EXPECT_EQ(doc.typeCode("[1]"), 0);
  EXPECT_EQ(doc.valueText(""), "1,,3");
}

TEST(JsonDocumentEdit, SetNumberWritesThirteenDigits) {
  using D = JsonDocument&;
  runEdits({
      {"a third", [](D d) { return d.setNumber("num", 1.0 / 3); }, true, "num", "0.3333333333333"},
      {"big", [](D d) { return d.setNumber("fresh", 1e21); }, true, "fresh", "1e+21"},
      {"rounded", [](D d) { return d.setNumber("num", 123456789012345.0); }, true, "num",
       "123456789012300"},
      {"infinity is refused",
       [](D d) { return d.setNumber("num", std::numeric_limits<double>::infinity()); }, false,
       "num", "5"},
      {"absent parent", [](D d) { return d.setNumber("nope.x", 1); }, false, "nope", ""},
  });
}

TEST(JsonDocumentEdit, GetNumberConverts) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(kStart));
  struct Case {
    const char* path;
    double number;
  };
  for (const Case& c : std::vector<Case>{{"num", 5},
                                         {"word", 25},
                                         {"hex", 16},
                                         {"t", 1},
                                         {"obj.b", 1},
                                         {"str", 0},
                                         {"obj", 0},
                                         {"obj.z", 0},
                                         {"fresh", 0},
                                         {"nope.x", 0},
                                         {"arr.length", 2}}) {
    EXPECT_EQ(doc.getNumber(c.path), c.number) << c.path;
  }
}

TEST(JsonDocumentEdit, ItemText) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(kStart));
  struct Case {
    int index;
    const char* path;
    bool asJson;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0, "arr", false, ""},
                                         {0, "arr", true, "1"},
                                         {1, "strs", false, "b\\c"},
                                         {1, "strs", true, R"("b\\c")"},
                                         {9, "arr", true, ""},
                                         {-1, "arr", true, ""},
                                         {0, "fresh", true, ""},
                                         {0, "obj", true, ""}}) {
    EXPECT_EQ(doc.itemText(c.index, c.path, c.asJson), c.text) << c.path << c.index;
  }
}

TEST(JsonDocumentEdit, AllValuesFlatAndRecursive) {
  struct Case {
    const char* json;
    const char* path;
    bool recursive;
    std::vector<std::string> values;
  };
  const std::string separator =
      "[2020\xE5\xB9\xB4"
      "7\xE6\x9C\x88"
      "20\xE6\x97\xA5"
      "20\xE6\x97\xB6"
      "0\xE5\x88\x86"
      "0\xE7\xA7\x92]";
  for (const Case& c :
       std::vector<Case>{{R"({"a":"x","b":1.5,"c":{"d":"y"},"e":true,"f":null,"g":[2,[3]]})",
                          "",
                          false,
                          {"x", "1.5", "true"}},
                         {R"({"a":"x","b":1.5,"c":{"d":"y"},"e":true,"f":null,"g":[2,[3]]})",
                          "",
                          true,
                          {"x", "1.5", "y", "true", "2", "3"}},
                         {R"({"a":"","b":"x"})", "", false, {"", "x"}},
                         {R"({"a":"x","b":""})", "", false, {"x"}},
                         {R"({"a":"x","b":"","c":""})", "", false, {"x", ""}},
                         {R"({"a":""})", "", false, {}},
                         {R"({"a":{},"b":[]})", "", true, {}},
                         {R"({"a":["p","q\\r"]})", "a", false, {"p", "q\\r"}},
                         {R"({"a":"1"})", "nope", false, {}},
                         {R"({"a":"1"})", "nope.x", false, {}},
                         {R"({"a":"1"})", "a", false, {}}}) {
    JsonDocument doc;
    ASSERT_TRUE(doc.load(c.json));
    std::vector<std::string> values{"stale"};
    EXPECT_EQ(doc.allValues(values, c.path, c.recursive), static_cast<int>(c.values.size()))
        << c.json;
    EXPECT_EQ(values, c.values) << c.json;
  }
  JsonDocument doc;
  ASSERT_TRUE(doc.setMember("a", "one" + separator + "two"));
  std::vector<std::string> values;
  EXPECT_EQ(doc.allValues(values), 1);  // a value is never split
  EXPECT_EQ(values[0], "one" + separator + "two");
}

TEST(JsonDocumentEdit, DerivedDocumentsCopyTheValue) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(kStart));
  ASSERT_TRUE(doc.setMember("obj.o.text", "back\\nslash \xF0\x9F\x98\x80 \xEA\xB0\x80"));
  auto member = doc.memberDocument("obj.o");
  EXPECT_NE(member->engineObject(), doc.engineObject());
  EXPECT_EQ(member->rootJson(),
            "{\"x\":1,\"text\":\"back\\\\nslash \xF0\x9F\x98\x80 \xEA\xB0\x80\"}");
  EXPECT_TRUE(member->setNumber("x", 2));
  EXPECT_EQ(doc.valueText("obj.o.x"), "1");
  EXPECT_TRUE(doc.setNumber("obj.o.x", 3));
  EXPECT_EQ(member->valueText("x"), "2");

  auto text = doc.memberDocument("str");
  EXPECT_EQ(text->typeCode(""), 6);
  EXPECT_EQ(text->valueText(""), "text");

  auto absent = doc.memberDocument("fresh");
  EXPECT_FALSE(absent->exists(""));
  EXPECT_EQ(absent->typeCode(""), 0);
  EXPECT_EQ(absent->rootJson(), "");
  EXPECT_FALSE(doc.memberDocument("nope.x")->exists(""));

  EXPECT_EQ(doc.itemDocument(1, "strs")->valueText(""), "b\\c");
  EXPECT_EQ(doc.itemDocument(0, "obj.a")->rootJson(), "1");
  EXPECT_FALSE(doc.itemDocument(7, "arr")->exists(""));
  EXPECT_EQ(doc.memberDocument()->rootJson(), doc.rootJson());
}

TEST(JsonDocumentEdit, ClearEmptiesTheSharedRoot) {
  JsonDocument doc;
  ASSERT_TRUE(doc.load(kStart));
  auto copy = doc.copy();
  EXPECT_TRUE(doc.clear());
  EXPECT_EQ(copy->rootJson(), "{}");
  EXPECT_TRUE(doc.setMember("a", "b"));
  EXPECT_EQ(copy->rootJson(), R"({"a":"b"})");
}

TEST(JsonDocumentEdit, EditsKeepTheTreeShallowEnough) {
  // The deepest text the parser takes: its scalar sits one level below the last bracket.
  std::string deep = std::string(JsonEngine::kMaxDepth, '[') + "1";
  deep += std::string(JsonEngine::kMaxDepth, ']');
  JsonDocument doc;
  EXPECT_TRUE(doc.setMember("", deep, true));  // merged into the root: its elements as members
  ASSERT_TRUE(doc.load("{}"));
  EXPECT_TRUE(doc.setMember("a", "[]", true));
  EXPECT_FALSE(doc.setMember("a", deep, true));
  EXPECT_FALSE(doc.addItem(deep, "a", true));
  EXPECT_TRUE(doc.addItem("[[1]]", "a", true));
  EXPECT_EQ(doc.rootJson(), R"({"a":[[[1]]]})");
}

TEST(JsonDocumentEdit, ManyEditsGrowContainers) {
  JsonDocument doc;
  ASSERT_TRUE(doc.setMember("obj", "", true));
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(doc.addItem(std::to_string(i), "list", true));
    ASSERT_TRUE(doc.setNumber("obj.k" + std::to_string(i), i));
  }
  EXPECT_EQ(doc.arrayCount("list"), 1000);
  EXPECT_EQ(doc.valueText("list[999]"), "999");
  EXPECT_EQ(doc.valueText("obj.k999"), "999");
  std::vector<std::string> names;
  EXPECT_EQ(doc.memberNames(names, "obj"), 1000);
  JsonDocument again;
  ASSERT_TRUE(again.load(doc.rootJson()));
  EXPECT_EQ(again.rootJson(), doc.rootJson());
}

}  // namespace
}  // namespace talvoren
