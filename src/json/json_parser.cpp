#include "json/json_parser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/utf8.h"

namespace talvoren {

namespace {

// Bytes a string copies as they are: printable ASCII except the quote and the backslash.
constexpr std::array<bool, 256> kPlainStringByte = [] {
  std::array<bool, 256> table{};
  for (int c = 0x20; c < 0x80; ++c) table[c] = c != '"' && c != '\\';
  return table;
}();

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr uint64_t kEachByte = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// The first byte from p that a string cannot copy as it is. Eight bytes at a time: the high bit of
// a byte of `flags` is set for a quote, a backslash, a control byte or a non-ASCII byte. (Borrows
// can set bits above a true hit, never below one, so the lowest set bit is exact.)
const char* plainRunEnd(const char* p, const char* end) {
  if constexpr (std::endian::native == std::endian::little) {
    while (end - p >= 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      uint64_t quote = w ^ (kEachByte * '"');
      uint64_t backslash = w ^ (kEachByte * '\\');
      uint64_t flags = ((quote - kEachByte) & ~quote) | ((backslash - kEachByte) & ~backslash) |
                       ((w - kEachByte * 0x20) & ~w) | w;
      flags &= kHighBits;
      if (flags) return p + std::countr_zero(flags) / 8;
      p += 8;
    }
  }
  while (p < end && kPlainStringByte[static_cast<unsigned char>(*p)]) ++p;
  return p;
}

// A hash of a member name over all its bytes, eight at a time, so that no family of names can
// make every name collide by accident.
size_t nameHash(std::string_view name) {
  const char* p = name.data();
  size_t n = name.size();
  uint64_t h = n * 0x9E3779B97F4A7C15ull;
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    h = (h ^ w) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
  }
  uint64_t tail = 0;
  for (; i < n; ++i) tail = (tail << 8) | static_cast<unsigned char>(p[i]);
  h = (h ^ tail) * 0x165667B19E3779F9ull;
  return static_cast<size_t>(h ^ (h >> 32));
}

int hexDigit(char c) {
  if (isDigit(c)) return c - '0';
  c = static_cast<char>(c | 0x20);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

class Parser {
 public:
  Parser(std::string_view text, JsonEngine& engine)
      : begin_(text.data()),
        p_(text.data()),
        end_(text.data() + text.size()),
        nodes_(engine.nodes()),
        texts_(engine.texts()) {}

  JsonParseResult run() {
    size_t nodeCount = nodes_.size(), textSize = texts_.size();
    if (!parseText()) {
      nodes_.resize(nodeCount);
      texts_.resize(textSize);
      result_.ok = false;
      result_.errorOffset = static_cast<size_t>(p_ - begin_);
    }
    return result_;
  }

 private:
  struct Frame {
    size_t start;      // first pending child on the stack
    size_t firstName;  // first pending entry of nameEntries_
    bool object;
  };

  bool fail(std::string_view message) {
    result_.errorMessage = message;
    return false;
  }

  void skipSpace() {
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t')) ++p_;
  }
  bool at(char c) const { return p_ < end_ && *p_ == c; }

  // Every value is parsed straight into its place on the stack, where it waits for its container
  // to close; copying a value just written field by field would stall the processor.
  bool parseText() {
    if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0) p_ += 3;
    for (;;) {
      skipSpace();
      if (at('{') || at('[')) {
        bool object = *p_++ == '{';
        if (frames_.size() >= static_cast<size_t>(JsonEngine::kMaxDepth))
          return fail("the brackets are nested too deeply");
        frames_.push_back({stack_.size(), nameEntries_.size(), object});
        skipSpace();
        if (at(object ? '}' : ']')) {
          ++p_;
          if (!close()) return false;
        } else {
          if (object && !parseName()) return false;
          continue;
        }
      } else if (!parseScalar(stack_.emplace_back())) {
        return false;
      }
      // A value is complete on top of the stack: go on in its container, closing containers as
      // they end.
      for (;;) {
        noteDepth();
        if (frames_.empty()) {
          skipSpace();
          if (p_ != end_) return fail("unexpected text after the value");
          result_.ok = true;
          result_.value = stack_.back();
          return true;
        }
        skipSpace();
        bool object = frames_.back().object;
        if (at(',')) {
          ++p_;
          if (object && !parseName()) return false;
          break;
        }
        if (!at(object ? '}' : ']'))
          return fail(object ? "expected ',' or '}' after a member" : "expected ',' or ']'");
        ++p_;
        if (!close()) return false;
      }
    }
  }

  void noteDepth() {
    int depth = static_cast<int>(frames_.size()) + 1;
    if (depth > result_.depth) result_.depth = depth;
  }

  bool parseName() {
    skipSpace();
    if (!at('"')) return fail("expected a member name in double quotes");
    JsonValue& name = stack_.emplace_back();
    if (!parseString(name)) return false;
    nameEntries_.push_back(intern(name));
    skipSpace();
    if (!at(':')) return fail("expected ':' after the member name");
    ++p_;
    return true;
  }

  bool parseScalar(JsonValue& value) {
    if (p_ == end_) return fail("the text ends where a value should be");
    switch (*p_) {
      case '"':
        return parseString(value);
      case 't':
        return parseWord("true", JsonValue::fromBool(true), value);
      case 'f':
        return parseWord("false", JsonValue::fromBool(false), value);
      case 'n':
        return parseWord("null", JsonValue::null(), value);
      default:
        if (*p_ == '-' || isDigit(*p_)) return parseNumber(value);
        return fail("unexpected character where a value should be");
    }
  }

  bool parseWord(std::string_view word, JsonValue wordValue, JsonValue& value) {
    if (static_cast<size_t>(end_ - p_) < word.size() ||
        std::memcmp(p_, word.data(), word.size()) != 0)
      return fail("unknown word where a value should be");
    p_ += word.size();
    value = wordValue;
    return true;
  }

  bool parseNumber(JsonValue& value) {
    const char* start = p_;
    bool negative = at('-');
    if (negative) ++p_;
    uint64_t integer = 0;
    int digits = 0;
    if (at('0')) {
      ++p_;
      digits = 1;
    } else if (p_ < end_ && isDigit(*p_)) {
      for (; p_ < end_ && isDigit(*p_); ++p_, ++digits) integer = integer * 10 + (*p_ - '0');
    } else {
      return fail("a number needs digits");
    }
    bool exact = digits <= 15;  // such integers convert without rounding
    if (at('.')) {
      ++p_;
      if (!(p_ < end_ && isDigit(*p_))) return fail("a decimal point needs digits after it");
      while (p_ < end_ && isDigit(*p_)) ++p_;
      exact = false;
    }
    if (at('e') || at('E')) {
      ++p_;
      if (at('+') || at('-')) ++p_;
      if (!(p_ < end_ && isDigit(*p_))) return fail("an exponent needs digits");
      while (p_ < end_ && isDigit(*p_)) ++p_;
      exact = false;
    }
    double number;
    if (exact) {
      number = static_cast<double>(integer);
      if (negative) number = -number;
    } else {
      auto [end, ec] = std::from_chars(start, p_, number);
      if (ec != std::errc() || end != p_) {
        // Out of range: strtod gives the infinity or the (sub)normal nearest to it.
        std::string copy(start, p_);
        number = std::strtod(copy.c_str(), nullptr);
      }
    }
    value = JsonValue::fromNumber(number);
    return true;
  }

  bool parseString(JsonValue& value) {
    ++p_;  // the opening quote
    size_t offset = texts_.size();
    for (;;) {
      const char* run = p_;
      p_ = plainRunEnd(p_, end_);
      texts_.append(run, p_);
      if (p_ == end_) return fail("the text ends inside a string");
      unsigned char c = static_cast<unsigned char>(*p_);
      if (c == '"') {
        ++p_;
        break;
      }
      if (c == '\\') {
        if (!parseEscape()) return false;
      } else if (c < 0x20) {
        return fail("a control character must be escaped inside a string");
      } else {
        size_t skip = 0;
        std::string_view rest(p_, static_cast<size_t>(end_ - p_));
        if (size_t length = utf8SequenceLength(rest, 0, skip)) {
          texts_.append(p_, length);
          p_ += length;
        } else {
          texts_.append(kReplacementCharacter);
          p_ += skip;
        }
      }
    }
    size_t length = texts_.size() - offset;
    if (length > UINT32_MAX) return fail("a string is too long");
    value = JsonValue();
    value.kind = JsonKind::String;
    value.textOffset = offset;
    value.size = static_cast<uint32_t>(length);
    return true;
  }

  bool readHex4(uint32_t& code) {
    if (end_ - p_ < 4) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      int d = hexDigit(p_[i]);
      if (d < 0) return false;
      code = code * 16 + static_cast<uint32_t>(d);
    }
    p_ += 4;
    return true;
  }

  bool parseEscape() {
    ++p_;  // the backslash
    if (p_ == end_) return fail("the text ends inside an escape");
    char c = *p_++;
    switch (c) {
      case '"':
        texts_ += '"';
        return true;
      case '\\':
        texts_ += '\\';
        return true;
      case '/':
        texts_ += '/';
        return true;
      case 'b':
        texts_ += '\b';
        return true;
      case 'f':
        texts_ += '\f';
        return true;
      case 'n':
        texts_ += '\n';
        return true;
      case 'r':
        texts_ += '\r';
        return true;
      case 't':
        texts_ += '\t';
        return true;
      case 'u':
        break;
      default:
        --p_;
        return fail("unknown escape in a string");
    }
    uint32_t code;
    if (!readHex4(code)) return fail("\\u needs four hexadecimal digits");
    if (code >= 0xD800 && code <= 0xDBFF) {
      const char* save = p_;
      uint32_t low;
      if (end_ - p_ >= 2 && p_[0] == '\\' && p_[1] == 'u' && (p_ += 2, readHex4(low)) &&
          low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
      } else {
        p_ = save;  // a lone high surrogate; what follows is read on its own
        code = 0xFFFD;
      }
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    appendUtf8(texts_, code);
    return true;
  }

  // Member names repeat a great deal (a draft has a few hundred distinct names in hundreds of
  // thousands of members), so each distinct name is stored once and shared. The table also spots
  // duplicate names cheaply: closing an object stamps the entries of its names, and an entry
  // already stamped by the same object is a duplicate. After kMaxInterned distinct names the rest
  // stay unshared, which bounds the table for any text; their objects take the slower check.
  struct InternEntry {
    uint64_t offset;
    uint32_t size;
    uint32_t hash;
    uint64_t stamp;
  };
  static constexpr size_t kMaxInterned = 1 << 16;
  static constexpr uint32_t kNotInterned = UINT32_MAX;

  uint32_t intern(JsonValue& name) {
    std::string_view text = std::string_view(texts_).substr(name.textOffset, name.size);
    size_t hash = nameHash(text);
    if (internIndex_.empty()) internIndex_.assign(1024, 0);
    size_t mask = internIndex_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      uint32_t e = internIndex_[at];
      if (e == 0) {
        if (entries_.size() == kMaxInterned) return kNotInterned;
        entries_.push_back({name.textOffset, name.size, static_cast<uint32_t>(hash), 0});
        internIndex_[at] = static_cast<uint32_t>(entries_.size());
        if (entries_.size() * 2 > internIndex_.size()) growInternIndex();
        return static_cast<uint32_t>(entries_.size() - 1);
      }
      const InternEntry& entry = entries_[e - 1];
      if (entry.hash == static_cast<uint32_t>(hash) && entry.size == name.size &&
          std::memcmp(texts_.data() + entry.offset, text.data(), name.size) == 0) {
        texts_.resize(name.textOffset);  // drop the copy just made
        name.textOffset = entry.offset;
        return e - 1;
      }
    }
  }

  void growInternIndex() {
    internIndex_.assign(internIndex_.size() * 2, 0);
    size_t mask = internIndex_.size() - 1;
    for (size_t e = 0; e < entries_.size(); ++e) {
      size_t at = entries_[e].hash & mask;
      while (internIndex_[at] != 0) at = (at + 1) & mask;
      internIndex_[at] = static_cast<uint32_t>(e + 1);
    }
  }

  // Whether the names of the object being closed may hold a duplicate.
  bool mayRepeatNames(size_t firstName) {
    uint64_t stamp = ++closedObjects_;
    for (size_t i = firstName; i < nameEntries_.size(); ++i) {
      uint32_t e = nameEntries_[i];
      if (e == kNotInterned || entries_[e].stamp == stamp) return true;
      entries_[e].stamp = stamp;
    }
    return false;
  }

  std::string_view name(size_t at) const {
    const JsonValue& v = stack_[at];
    return std::string_view(texts_).substr(v.textOffset, v.size);
  }

  // Keeps one member per name: the first one's place, the last one's value.
  void dropDuplicateNames(size_t start) {
    size_t count = (stack_.size() - start) / 2;
    if (count < 2) return;
    size_t kept = 0;
    bool hashed = count > 8;
    if (hashed) {
      size_t slots = 16;
      while (slots < 2 * count) slots <<= 1;
      table_.assign(slots, 0);
    }
    for (size_t m = 0; m < count; ++m) {
      std::string_view n = name(start + 2 * m);
      size_t found = SIZE_MAX;
      size_t slot = 0;
      if (hashed) {
        size_t mask = table_.size() - 1;
        for (slot = nameHash(n) & mask; table_[slot] != 0; slot = (slot + 1) & mask) {
          if (name(start + 2 * (table_[slot] - 1)) == n) {
            found = table_[slot] - 1;
            break;
          }
        }
      } else {
        for (size_t k = 0; k < kept && found == SIZE_MAX; ++k)
          if (name(start + 2 * k) == n) found = k;
      }
      if (found != SIZE_MAX) {
        stack_[start + 2 * found + 1] = stack_[start + 2 * m + 1];
        continue;
      }
      if (hashed) table_[slot] = static_cast<uint32_t>(kept + 1);
      stack_[start + 2 * kept] = stack_[start + 2 * m];
      stack_[start + 2 * kept + 1] = stack_[start + 2 * m + 1];
      ++kept;
    }
    stack_.resize(start + 2 * kept);
  }

  // Moves the children of the innermost container to the node pool and leaves the container in
  // their place on the stack.
  bool close() {
    Frame frame = frames_.back();
    frames_.pop_back();
    if (frame.object) {
      if (mayRepeatNames(frame.firstName)) dropDuplicateNames(frame.start);
      nameEntries_.resize(frame.firstName);
    }
    size_t slots = stack_.size() - frame.start;
    if (nodes_.size() + slots >= JsonEngine::kNone) return fail("the text holds too many values");
    uint32_t first = static_cast<uint32_t>(nodes_.size());
    nodes_.insert(nodes_.end(), stack_.begin() + static_cast<ptrdiff_t>(frame.start), stack_.end());
    stack_.resize(frame.start);
    uint32_t size = static_cast<uint32_t>(frame.object ? slots / 2 : slots);
    stack_.push_back(
        JsonValue::container(frame.object ? JsonKind::Object : JsonKind::Array, first, size));
    return true;
  }

  const char* begin_;
  const char* p_;
  const char* end_;
  std::vector<JsonValue>& nodes_;
  std::string& texts_;
  std::vector<JsonValue> stack_;
  std::vector<Frame> frames_;
  std::vector<uint32_t> table_;
  std::vector<InternEntry> entries_;
  std::vector<uint32_t> internIndex_;  // entry + 1 by name hash; 0: free
  std::vector<uint32_t> nameEntries_;  // the intern entry of each pending member name
  uint64_t closedObjects_ = 0;
  JsonParseResult result_;
};

}  // namespace

JsonParseResult parseJson(std::string_view text, JsonEngine& engine) {
  Parser parser(text, engine);
  JsonParseResult result = parser.run();
  engine.forgetIndexes();
  return result;
}

}  // namespace talvoren

namespace talvoren {

JsonParseResult parseJsonEvalForm(std::string_view text, JsonEngine& engine, std::string* reread) {
  size_t nodeCount = engine.nodes().size(), textSize = engine.texts().size();
  JsonParseResult result = parseJson(text, engine);
  if (!result.ok || result.value.kind != JsonKind::String) return result;
  std::string content(engine.text(result.value));
  engine.nodes().resize(nodeCount);
  engine.texts().resize(textSize);
  result = parseJson(content, engine);
  if (reread) *reread = std::move(content);
  return result;
}

}  // namespace talvoren
