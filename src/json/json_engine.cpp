#include "json/json_engine.h"

#include <algorithm>
#include <functional>

namespace talvoren {

namespace {

constexpr uint32_t kLinearSearchLimit = 32;

uint32_t stride(const JsonValue& container) {
  return container.kind == JsonKind::Object ? 2 : 1;
}

}  // namespace

JsonEngine::JsonEngine() {
  reset();
}

void JsonEngine::reset() {
  nodes_.assign(1, makeContainer(JsonKind::Object));
  nodes_.front().items.first = 1;
  texts_.clear();
  indexes_.clear();
}

JsonValue JsonEngine::makeString(std::string_view utf8) {
  JsonValue v;
  v.kind = JsonKind::String;
  v.textOffset = texts_.size();
  v.size = static_cast<uint32_t>(utf8.size());
  texts_.append(utf8);
  return v;
}

JsonValue JsonEngine::makeContainer(JsonKind kind) {
  return JsonValue::container(kind, static_cast<uint32_t>(nodes_.size()), 0);
}

const std::vector<uint32_t>& JsonEngine::memberIndex(const JsonValue& object) const {
  auto [it, added] = indexes_.try_emplace(object.items.first);
  std::vector<uint32_t>& table = it->second;
  if (!added) return table;
  size_t slots = 1;
  while (slots < 2 * static_cast<size_t>(object.size)) slots <<= 1;
  table.assign(slots, 0);
  for (uint32_t m = 0; m < object.size; ++m) {
    size_t at = std::hash<std::string_view>{}(memberName(object, m)) & (slots - 1);
    while (table[at] != 0) at = (at + 1) & (slots - 1);
    table[at] = m + 1;
  }
  return table;
}

int64_t JsonEngine::findMember(uint32_t objectId, std::string_view name) const {
  const JsonValue& object = nodes_[objectId];
  if (object.size <= kLinearSearchLimit) {
    for (uint32_t m = 0; m < object.size; ++m)
      if (memberName(object, m) == name) return m;
    return -1;
  }
  const std::vector<uint32_t>& table = memberIndex(object);
  size_t mask = table.size() - 1;
  for (size_t at = std::hash<std::string_view>{}(name)&mask; table[at] != 0; at = (at + 1) & mask) {
    if (memberName(object, table[at] - 1) == name) return table[at] - 1;
  }
  return -1;
}

void JsonEngine::makeRoom(uint32_t containerId, uint32_t wanted) {
  JsonValue container = nodes_[containerId];
  if (wanted <= container.items.capacity) return;
  indexes_.erase(container.items.first);
  uint32_t step = stride(container);
  uint32_t capacity = std::max({wanted, 2 * container.items.capacity, 4u});
  size_t end = static_cast<size_t>(container.items.first) + container.items.capacity * step;
  if (end == nodes_.size() && container.items.capacity > 0) {
    nodes_.resize(static_cast<size_t>(container.items.first) + capacity * step);
  } else {
    uint32_t first = static_cast<uint32_t>(nodes_.size());
    nodes_.resize(nodes_.size() + capacity * step);
    std::copy_n(nodes_.begin() + container.items.first, container.size * step,
                nodes_.begin() + first);
    container.items.first = first;
  }
  container.items.capacity = capacity;
  nodes_[containerId] = container;
}

uint32_t JsonEngine::appendMember(uint32_t objectId, std::string_view name,
                                  const JsonValue& value) {
  JsonValue key = makeString(name);
  makeRoom(objectId, nodes_[objectId].size + 1);
  JsonValue& object = nodes_[objectId];
  indexes_.erase(object.items.first);
  uint32_t member = object.size++;
  nodes_[nameId(object, member)] = key;
  nodes_[memberId(object, member)] = value;
  return memberId(object, member);
}

void JsonEngine::removeMember(uint32_t objectId, uint32_t member) {
  JsonValue& object = nodes_[objectId];
  indexes_.erase(object.items.first);
  auto first = nodes_.begin() + nameId(object, member);
  std::copy(first + 2, nodes_.begin() + nameId(object, object.size), first);
  --object.size;
}

void JsonEngine::resizeArray(uint32_t arrayId, uint32_t size) {
  makeRoom(arrayId, size);
  JsonValue& array = nodes_[arrayId];
  for (uint32_t i = array.size; i < size; ++i) nodes_[elementId(array, i)] = JsonValue();
  array.size = size;
}

void JsonEngine::insertElement(uint32_t arrayId, uint32_t index, const JsonValue& value) {
  makeRoom(arrayId, nodes_[arrayId].size + 1);
  JsonValue& array = nodes_[arrayId];
  auto at = nodes_.begin() + elementId(array, index);
  std::copy_backward(at, nodes_.begin() + elementId(array, array.size),
                     nodes_.begin() + elementId(array, array.size + 1));
  *at = value;
  ++array.size;
}

void JsonEngine::removeElement(uint32_t arrayId, uint32_t index) {
  JsonValue& array = nodes_[arrayId];
  auto at = nodes_.begin() + elementId(array, index);
  std::copy(at + 1, nodes_.begin() + elementId(array, array.size), at);
  --array.size;
}

}  // namespace talvoren

namespace talvoren {

JsonValue JsonEngine::copyFrom(const JsonEngine& other, const JsonValue& value) {
  if (value.kind == JsonKind::String) return makeString(other.text(value));
  if (!value.isContainer()) return value;
  uint32_t slots = value.size * stride(value);
  uint32_t first = static_cast<uint32_t>(nodes_.size());
  nodes_.resize(nodes_.size() + slots);
  for (uint32_t i = 0; i < slots; ++i) {
    JsonValue copied = copyFrom(other, other.node(value.items.first + i));
    nodes_[first + i] = copied;
  }
  return JsonValue::container(value.kind, first, value.size);
}

}  // namespace talvoren
