#include "json/json_path.h"

#include <charconv>

#include "json/json_number_text.h"
#include "platform/utf8.h"

namespace talvoren {

namespace {

bool isIdentifierByte(char c, bool first) {
  unsigned char b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_' || b == '$' || b >= 0x80 ||
         (!first && b >= '0' && b <= '9');
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A canonical array index: "0" or digits without a leading zero, below 2^32 - 1.
bool arrayIndex(std::string_view name, uint32_t& index) {
  if (name.empty() || name.size() > 10 || (name.size() > 1 && name[0] == '0')) return false;
  uint64_t value = 0;
  for (char c : name) {
    if (!isDigit(c)) return false;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value >= UINT32_MAX) return false;
  index = static_cast<uint32_t>(value);
  return true;
}

class PathReader {
 public:
  explicit PathReader(std::string_view path) : path_(path) {}

  bool done() const { return at_ == path_.size(); }

  std::string_view identifier() {
    size_t start = at_;
    while (at_ < path_.size() && isIdentifierByte(path_[at_], at_ == start)) ++at_;
    return path_.substr(start, at_ - start);
  }

  // The next accessor's member name; false when the text is not one.
  bool accessor(std::string& name) {
    char c = path_[at_++];
    if (c == '.') {
      name = identifier();
      return !name.empty();
    }
    if (c != '[' || at_ == path_.size()) return false;
    bool ok = path_[at_] == '\'' || path_[at_] == '"' ? quoted(name) : number(name);
    if (!ok || at_ == path_.size() || path_[at_] != ']') return false;
    ++at_;
    return true;
  }

 private:
  bool number(std::string& name) {
    size_t start = at_;
    if (path_[at_] == '-') ++at_;
    size_t digits = at_;
    while (at_ < path_.size() && isDigit(path_[at_])) ++at_;
    if (at_ == digits) return false;
    double value = 0;
    std::from_chars(path_.data() + start, path_.data() + at_, value);
    name = numberText(value);  // a script turns the number into its property name
    return true;
  }

  bool quoted(std::string& name) {
    char quote = path_[at_++];
    name.clear();
    while (at_ < path_.size() && path_[at_] != quote) {
      char c = path_[at_++];
      if (c == '\n' || c == '\r') return false;
      if (c != '\\') {
        name += c;
        continue;
      }
      if (at_ == path_.size()) return false;
      char e = path_[at_++];
      switch (e) {
        case 'n':
          name += '\n';
          break;
        case 'r':
          name += '\r';
          break;
        case 't':
          name += '\t';
          break;
        case 'b':
          name += '\b';
          break;
        case 'f':
          name += '\f';
          break;
        case 'v':
          name += '\v';
          break;
        case '0':
          name += '\0';
          break;
        default:
          name += e;
          break;  // \\ \' \" and any other character stand for themselves
      }
    }
    if (at_ == path_.size()) return false;
    ++at_;
    return true;
  }

  std::string_view path_;
  size_t at_ = 0;
};

// Applies one accessor to a present, non-null value.
void step(const JsonEngine& engine, PathTarget& target) {
  const JsonValue from = target.value;
  target.parent = target.id;
  target.id = JsonEngine::kNone;
  target.state = PathState::Undefined;
  const std::string& name = target.key.name;
  if (from.kind == JsonKind::Object) {
    int64_t member = engine.findMember(target.parent, name);
    if (member >= 0) target.id = JsonEngine::memberId(from, static_cast<uint32_t>(member));
  } else if (from.kind == JsonKind::Array) {
    if (target.key.isIndex) {
      if (target.key.index < from.size) target.id = JsonEngine::elementId(from, target.key.index);
    } else if (name == "length") {
      target.state = PathState::Present;
      target.value = JsonValue::fromNumber(from.size);
      return;
    }
  } else if (from.kind == JsonKind::String && name == "length") {
    target.state = PathState::Present;
    target.value = JsonValue::fromNumber(static_cast<double>(utf16Length(engine.text(from))));
    return;
  }
  if (target.id != JsonEngine::kNone) {
    target.value = engine.node(target.id);
    if (target.value.kind != JsonKind::Undefined) target.state = PathState::Present;
  }
}

}  // namespace

PathTarget evaluatePath(const JsonEngine& engine, std::string_view path,
                        std::string_view rootName) {
  PathTarget target;
  PathReader reader(path);
  if (reader.identifier() != rootName) return target;  // an unknown global
  target.id = JsonEngine::kRoot;
  target.value = engine.root();
  target.state =
      target.value.kind == JsonKind::Undefined ? PathState::Undefined : PathState::Present;
  while (!reader.done()) {
    if (!reader.accessor(target.key.name)) return PathTarget();
    if (target.state != PathState::Present || target.value.kind == JsonKind::Null)
      return PathTarget();  // a property of undefined or null
    target.key.isIndex = arrayIndex(target.key.name, target.key.index);
    ++target.depth;
    step(engine, target);
  }
  return target;
}

}  // namespace talvoren
