#pragma once

#include <cstdint>

namespace talvoren {

enum class JsonKind : uint8_t { Undefined, Null, Boolean, Number, String, Array, Object };

// Where a container's children live in the engine's node pool. An array holds `size` element
// slots from `first`; an object holds `size` members as (name, value) slot pairs from `first`.
struct JsonItems {
  uint32_t first;
  uint32_t capacity;  // elements or members that fit before the range must move
};

// One node of the value tree: 16 bytes, strings and children kept in the engine's pools so that
// a large draft costs about one node per value and no allocation per node.
struct JsonValue {
  JsonKind kind = JsonKind::Undefined;
  bool boolean = false;
  uint32_t size = 0;  // string bytes, array elements or object members
  union {
    double number = 0;
    uint64_t textOffset;  // string: offset of its bytes in the text pool
    JsonItems items;
  };

  static JsonValue null() {
    JsonValue v;
    v.kind = JsonKind::Null;
    return v;
  }
  static JsonValue fromBool(bool b) {
    JsonValue v;
    v.kind = JsonKind::Boolean;
    v.boolean = b;
    return v;
  }
  static JsonValue fromNumber(double d) {
    JsonValue v;
    v.kind = JsonKind::Number;
    v.number = d;
    return v;
  }
  static JsonValue container(JsonKind kind, uint32_t first, uint32_t size) {
    JsonValue v;
    v.kind = kind;
    v.size = size;
    v.items = {first, size};
    return v;
  }
  bool isNullish() const { return kind == JsonKind::Undefined || kind == JsonKind::Null; }
  bool isContainer() const { return kind == JsonKind::Array || kind == JsonKind::Object; }
};

static_assert(sizeof(JsonValue) == 16, "a node must stay compact");

}  // namespace talvoren
