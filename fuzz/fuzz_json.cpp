// Loads any bytes as a JSON document and reads them back: no input may crash, hang or leak, and
// the JSON form of whatever loaded must read back as itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "json/json_document.h"
#include "json/json_engine.h"
#include "json/json_parser.h"
#include "json/json_writer.h"

namespace {

using talvoren::JsonDocument;

void requireRoundTrip(const std::string& json) {
  if (json.empty()) return;
  talvoren::JsonEngine engine;
  talvoren::JsonParseResult parsed = talvoren::parseJson(json, engine);
  if (!parsed.ok) __builtin_trap();
  std::string again;
  talvoren::appendJson(engine, parsed.value, again);
  if (again != json) __builtin_trap();
}

// A path naming a member in brackets, escaped as a single-quoted script text.
std::string memberPath(const std::string& base, const std::string& name) {
  std::string path = base + "['";
  for (char c : name) {
    if (c == '\'' || c == '\\') path += '\\';
    if (c == '\n') {
      path += "\\n";
      continue;
    }
    if (c == '\r') {
      path += "\\r";
      continue;
    }
    path += c;
  }
  return path + "']";
}

void readAll(JsonDocument& doc, const std::string& path) {
  std::vector<std::string> texts;
  doc.exists(path);
  doc.typeCode(path);
  doc.valueText(path);
  doc.valueText(path, true);
  doc.arrayCount(path);
  doc.memberNames(texts, path);
  doc.allValues(texts, path, true);
  doc.getNumber(path);
  doc.itemText(0, path, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  JsonDocument doc;
  talvoren::ScriptError error;
  doc.load(text, size % 2 == 0, &error);
  std::string json = doc.rootJson();
  requireRoundTrip(json);

  for (const char* path : {"", "[0]", "[0][1]", "a", "a.b", "materials.texts", "da.x", "data.x",
                           "length", "[0].length"})
    readAll(doc, path);
  std::vector<std::string> names;
  doc.memberNames(names);
  for (size_t i = 0; i < names.size() && i < 8; ++i) {
    // Relative, so that the root-name rule leaves it alone: every listed member is reachable.
    std::string path = memberPath("", names[i]);
    if (doc.typeCode(path) == -1) __builtin_trap();
    readAll(doc, path);
  }
  if (size < 256) readAll(doc, text);  // the bytes as a path

  auto member = doc.memberDocument("[0]");
  requireRoundTrip(member->rootJson());
  doc.setMember("fuzz", text, true);
  doc.setMember("", text, true);
  doc.addItem(text, "list", size % 3 == 0);
  doc.setItem(static_cast<int>(size % 7), "list", text, size % 2 == 0);
  doc.setByEval("[1]", text);
  doc.deleteMember("[0]");
  doc.removeItem(-1, "list");
  requireRoundTrip(doc.rootJson());
  return 0;
}
