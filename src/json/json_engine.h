#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "json/json_value.h"

namespace talvoren {

// The shared holder of one value tree: a node pool whose slot 0 is the root, and a text pool
// holding every string and member name. Nodes refer to each other by slot number, so growing a
// pool never leaves a dangling reference. Edits that outgrow a container move its children to the
// end of the pool; the slots they leave stay unused until the next load.
class JsonEngine {
 public:
  static constexpr uint32_t kRoot = 0;
  static constexpr uint32_t kNone = UINT32_MAX;
  // Trees deeper than this are refused, so that every walk over a tree may recurse.
  static constexpr int kMaxDepth = 1000;

  JsonEngine();  // root: an empty object

  const JsonValue& node(uint32_t id) const { return nodes_[id]; }
  JsonValue& node(uint32_t id) { return nodes_[id]; }
  const JsonValue& root() const { return nodes_[kRoot]; }
  void setRoot(const JsonValue& value) { nodes_[kRoot] = value; }

  std::string_view text(const JsonValue& string) const {
    return std::string_view(texts_).substr(string.textOffset, string.size);
  }
  static uint32_t elementId(const JsonValue& array, uint32_t index) {
    return array.items.first + index;
  }
  static uint32_t nameId(const JsonValue& object, uint32_t member) {
    return object.items.first + 2 * member;
  }
  static uint32_t memberId(const JsonValue& object, uint32_t member) {
    return object.items.first + 2 * member + 1;
  }
  std::string_view memberName(const JsonValue& object, uint32_t member) const {
    return text(nodes_[nameId(object, member)]);
  }

  // The member's position in the object, or -1.
  int64_t findMember(uint32_t objectId, std::string_view name) const;

  // Builders and edits. Each may move pools: take ids, not references, across these calls.
  JsonValue makeString(std::string_view utf8);
  JsonValue makeContainer(JsonKind kind);
  uint32_t appendMember(uint32_t objectId, std::string_view name, const JsonValue& value);
  void removeMember(uint32_t objectId, uint32_t member);
  void resizeArray(uint32_t arrayId, uint32_t size);  // new elements are holes
  void insertElement(uint32_t arrayId, uint32_t index, const JsonValue& value);
  void removeElement(uint32_t arrayId, uint32_t index);
  void reset();  // root {}, pools emptied
  // A deep copy of a value of another engine, made in this one.
  JsonValue copyFrom(const JsonEngine& other, const JsonValue& value);

  // The parser fills the pools directly.
  std::vector<JsonValue>& nodes() { return nodes_; }
  std::string& texts() { return texts_; }
  void forgetIndexes() { indexes_.clear(); }

 private:
  void makeRoom(uint32_t containerId, uint32_t wanted);
  const std::vector<uint32_t>& memberIndex(const JsonValue& object) const;

  std::vector<JsonValue> nodes_;
  std::string texts_;
  // Hash tables of member positions for large objects, keyed by the object's first slot, built
  // on the first look-up and dropped by any edit that adds, removes or moves members.
  mutable std::unordered_map<uint32_t, std::vector<uint32_t>> indexes_;
};

}  // namespace talvoren
