#include "drafts/draft_tree.h"

#include "json/json_engine.h"
#include "json/json_writer.h"
#include "platform/number_text.h"

namespace talvoren {
namespace {

DraftTree::Node present(const JsonValue& value) {
  return value.kind == JsonKind::Undefined ? nullptr : &value;
}

}  // namespace

DraftTree::Node DraftTree::root() const {
  return present(engine_.root());
}

DraftTree::Node DraftTree::member(Node from, std::string_view name, uint32_t* hint) const {
  if (!from || from->kind != JsonKind::Object) return nullptr;
  // Names are unique in a loaded object, so a name found at the hint is the one.
  if (hint && *hint < from->size && engine_.memberName(*from, *hint) == name) {
    return present(engine_.node(JsonEngine::memberId(*from, *hint)));
  }
  // Linear: draft objects hold a few dozen members.
  for (uint32_t m = 0; m < from->size; ++m) {
    if (engine_.memberName(*from, m) == name) {
      if (hint) *hint = m;
      return present(engine_.node(JsonEngine::memberId(*from, m)));
    }
  }
  return nullptr;
}

DraftTree::Node DraftTree::element(Node from, uint32_t index) const {
  if (!from) return nullptr;
  if (from->kind == JsonKind::Array) {
    return index < from->size ? present(engine_.node(JsonEngine::elementId(*from, index)))
                              : nullptr;
  }
  return member(from, integerToText(index));
}

uint32_t DraftTree::count(Node array) const {
  return array && array->kind == JsonKind::Array ? array->size : 0;
}

std::string DraftTree::text(Node value) const {
  std::string out;
  if (value) appendPlainText(engine_, *value, out);
  return out;
}

bool DraftTree::stringView(Node value, std::string_view& out) const {
  if (!value || value->kind != JsonKind::String) return false;
  out = engine_.text(*value);
  return true;
}

}  // namespace talvoren
