#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvoren {

class JsonEngine;
struct JsonValue;

// Reading a loaded draft straight from the document's value tree. Each step answers as the
// document's member paths do ("materials.texts[3].content" is member, member, element, member),
// without a path text to build and parse per value: a draft of many thousand subtitles is read
// in a few milliseconds after its load.
class DraftTree {
 public:
  using Node = const JsonValue*;  // nullptr: absent (or a property of null or of a non-object)

  explicit DraftTree(const JsonEngine& engine) : engine_(engine) {}

  Node root() const;
  // `hint`, when given, is where the name stood in the last object asked: the objects of one
  // array share their layout, so the first look usually finds it.
  Node member(Node from, std::string_view name, uint32_t* hint = nullptr) const;
  // An array's element, or the member an index names in an object, as a script reads from[i].
  Node element(Node from, uint32_t index) const;
  // An array's length; 0 for anything else.
  uint32_t count(Node array) const;
  // The plain value text: a string as it is, a number as a script writes it; empty for absent
  // and null.
  std::string text(Node value) const;
  // A string's bytes without a copy; nothing for every other kind.
  bool stringView(Node value, std::string_view& out) const;

 private:
  const JsonEngine& engine_;
};

}  // namespace talvoren
