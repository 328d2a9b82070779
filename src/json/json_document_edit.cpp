#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "json/json_document.h"
#include "json/json_engine.h"
#include "json/json_number_text.h"
#include "json/json_parser.h"
#include "json/json_path.h"
#include "platform/utf8.h"

namespace talvoren {

namespace {

// Writing far past an array's end would make a script engine a sparse array; here it would make
// millions of holes, so such writes are refused.
constexpr uint32_t kMaxHolesPerWrite = 1u << 20;

bool fitsDepth(const PathTarget& target, int valueDepth) {
  return target.depth - 1 + valueDepth <= JsonEngine::kMaxDepth + 1;
}

// Stores a value where the path leads: over the value there, as a new member of an object, or as
// an element of an array (lengthening it). Anything else, such as a property of a string or an
// array's length, is refused.
bool store(JsonEngine& engine, const PathTarget& target, const JsonValue& value) {
  if (target.state == PathState::Failed) return false;
  if (target.id != JsonEngine::kNone) {
    engine.node(target.id) = value;
    return true;
  }
  if (target.parent == JsonEngine::kNone) return false;
  const JsonValue& parent = engine.node(target.parent);
  if (parent.kind == JsonKind::Object) {
    engine.appendMember(target.parent, target.key.name, value);
    return true;
  }
  if (parent.kind != JsonKind::Array || !target.key.isIndex ||
      target.key.index - parent.size >= kMaxHolesPerWrite)
    return false;
  engine.resizeArray(target.parent, target.key.index + 1);
  engine.node(JsonEngine::elementId(engine.node(target.parent), target.key.index)) = value;
  return true;
}

void extend(JsonEngine& engine, uint32_t targetId, const JsonValue source);

// One member of a merge: a container member is merged into, anything else takes the source's
// value. A script would stop with an error at a number or null member; replacing it is what the
// caller asked for.
void mergeMember(JsonEngine& engine, uint32_t targetId, const std::string& name,
                 const JsonValue value) {
  int64_t member = engine.findMember(targetId, name);
  if (member < 0) {
    engine.appendMember(targetId, name, value);
    return;
  }
  uint32_t id = JsonEngine::memberId(engine.node(targetId), static_cast<uint32_t>(member));
  if (engine.node(id).isContainer())
    extend(engine, id, value);
  else
    engine.node(id) = value;
}

// Merges a source value into an object or array: an array target receives the source array's
// elements at its end; an object target receives the source's members (or an array source's
// elements under their indexes as names). Other sources add nothing.
void extend(JsonEngine& engine, uint32_t targetId, const JsonValue source) {
  if (engine.node(targetId).kind == JsonKind::Array) {
    if (source.kind != JsonKind::Array) return;
    for (uint32_t i = 0; i < source.size; ++i) {
      JsonValue element = engine.node(JsonEngine::elementId(source, i));
      engine.insertElement(targetId, engine.node(targetId).size, element);
    }
    return;
  }
  if (source.kind == JsonKind::Object) {
    for (uint32_t m = 0; m < source.size; ++m) {
      std::string name(engine.memberName(source, m));
      mergeMember(engine, targetId, name, engine.node(JsonEngine::memberId(source, m)));
    }
  } else if (source.kind == JsonKind::Array) {
    for (uint32_t i = 0; i < source.size; ++i) {
      JsonValue element = engine.node(JsonEngine::elementId(source, i));
      if (element.kind != JsonKind::Undefined)
        mergeMember(engine, targetId, std::to_string(i), element);
    }
  }
}

}  // namespace

bool JsonDocument::setMember(const std::string& path, const std::string& value, bool valueIsJson) {
  PathTarget target = locate(path);
  if (target.state == PathState::Failed) return false;
  try {
    if (!valueIsJson) return store(*engine_, target, engine_->makeString(wellFormedUtf8(value)));
    // A merge takes the value as it is written; a replacement evaluates it, which reads a
    // quoted text once more.
    bool merge = target.state == PathState::Present && target.value.kind == JsonKind::Object;
    std::string_view text = value.empty() ? std::string_view("{}") : std::string_view(value);
    JsonParseResult parsed = merge ? parseJson(text, *engine_) : parseJsonEvalForm(text, *engine_);
    if (!parsed.ok || !fitsDepth(target, parsed.depth)) return false;
    if (merge) {
      extend(*engine_, target.id, parsed.value);
      return true;
    }
    return store(*engine_, target, parsed.value);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool JsonDocument::setByEval(const std::string& path, const std::string& expression) {
  PathTarget target = locate(path);
  if (target.state == PathState::Failed) return false;
  try {
    JsonParseResult parsed = parseJsonEvalForm(expression, *engine_);
    return parsed.ok && fitsDepth(target, parsed.depth) && store(*engine_, target, parsed.value);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool JsonDocument::addItem(const std::string& value, const std::string& path, bool valueIsJson,
                           bool atFront) {
  PathTarget target = locate(path);
  if (target.state == PathState::Failed) return false;
  try {
    JsonParseResult item;
    if (!valueIsJson) {
      item.ok = true;
      item.depth = 1;
      item.value = engine_->makeString(wellFormedUtf8(value));
    } else if (!value.empty()) {  // an empty JSON value adds nothing, as push() adds nothing
      item = parseJson(value, *engine_);
      if (!item.ok) return false;
    }
    if (!fitsDepth(target, item.depth + 1)) return false;
    if (target.state != PathState::Present || target.value.kind != JsonKind::Array) {
      if (!store(*engine_, target, engine_->makeContainer(JsonKind::Array))) return false;
      target = locate(path);
      if (target.state != PathState::Present || target.value.kind != JsonKind::Array ||
          target.id == JsonEngine::kNone)
        return false;
    }
    if (item.ok) {
      uint32_t size = engine_->node(target.id).size;
      engine_->insertElement(target.id, atFront ? 0 : size, item.value);
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool JsonDocument::setItem(int index, const std::string& path, const std::string& value,
                           bool valueIsJson) {
  PathTarget target = locateItem(index, path);
  if (target.state == PathState::Failed) return false;
  try {
    JsonParseResult item;
    if (valueIsJson) {
      item = parseJson(value, *engine_);
      if (!item.ok) return false;
    } else {
      item.depth = 1;
      item.value = engine_->makeString(wellFormedUtf8(value));
    }
    return fitsDepth(target, item.depth) && store(*engine_, target, item.value);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool JsonDocument::removeItem(int index, const std::string& path) {
  PathTarget target = locate(path);
  if (target.state != PathState::Present || target.value.kind != JsonKind::Array ||
      target.id == JsonEngine::kNone)
    return false;
  // As splice(index, 1): a negative index counts from the end.
  int64_t size = target.value.size;
  int64_t start = index < 0 ? std::max<int64_t>(size + index, 0) : std::min<int64_t>(index, size);
  if (start < size) engine_->removeElement(target.id, static_cast<uint32_t>(start));
  return true;
}

bool JsonDocument::deleteMember(const std::string& path) {
  PathTarget target = locate(path);
  if (target.state == PathState::Failed || target.id == JsonEngine::kRoot) return false;
  if (target.id == JsonEngine::kNone) return target.state == PathState::Undefined;
  const JsonValue& parent = engine_->node(target.parent);
  if (parent.kind == JsonKind::Object)
    engine_->removeMember(target.parent, (target.id - parent.items.first) / 2);
  else
    engine_->node(target.id) = JsonValue();  // an array keeps a hole
  return true;
}

bool JsonDocument::setNumber(const std::string& path, double number) {
  // The number travels as "%.13g" text; inf and nan would not read back as numbers.
  if (!std::isfinite(number)) return false;
  char text[32];
  std::snprintf(text, sizeof text, "%.13g", number);
  PathTarget target = locate(path);
  if (target.state == PathState::Failed) return false;
  try {
    return store(*engine_, target, JsonValue::fromNumber(std::strtod(text, nullptr)));
  } catch (const std::bad_alloc&) {
    return false;
  }
}

double JsonDocument::getNumber(const std::string& path) {
  PathTarget target = locate(path);
  if (target.state != PathState::Present) return 0;
  double number = 0;
  switch (target.value.kind) {
    case JsonKind::Number:
      number = target.value.number;
      break;
    case JsonKind::Boolean:
      number = target.value.boolean ? 1 : 0;
      break;
    case JsonKind::String:
      number = scriptNumber(engine_->text(target.value));
      break;
    default:
      break;
  }
  return std::isnan(number) ? 0 : number;
}

}  // namespace talvoren
