#include "json/json_document.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "json/json_engine.h"
#include "json/json_parser.h"
#include "json/json_path.h"
#include "json/json_writer.h"

namespace talvoren {

namespace {

constexpr int32_t kSyntaxErrorNumber = 1002;

void describeFailure(ScriptError& error, std::string_view text, size_t offset,
                     std::string_view message) {
  error = ScriptError();
  error.number = kSyntaxErrorNumber;
  error.source = "JSON text";
  error.description = std::string(message);
  offset = std::min(offset, text.size());
  std::string_view before = text.substr(0, offset);
  size_t lineStart = before.rfind('\n');
  lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
  error.line = static_cast<int32_t>(std::min<size_t>(
      INT32_MAX, 1 + static_cast<size_t>(std::count(before.begin(), before.end(), '\n'))));
  size_t column = 1;
  for (size_t i = lineStart; i < offset; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;  // characters, not bytes
  error.column = static_cast<int32_t>(std::min<size_t>(INT32_MAX, column));
  size_t lineEnd = text.find('\n', lineStart);
  error.text = std::string(text.substr(lineStart, std::min<size_t>(lineEnd - lineStart, 200)));
}

// The scalar members of a container in order, and with `recursive` those of every container
// below it.
void collectValues(const JsonEngine& engine, const JsonValue& container, bool recursive,
                   std::vector<std::string>& values) {
  uint32_t stride = container.kind == JsonKind::Object ? 2 : 1;
  for (uint32_t i = 0; i < container.size; ++i) {
    const JsonValue& value = engine.node(container.items.first + i * stride + stride - 1);
    if (value.isContainer()) {
      if (recursive) collectValues(engine, value, recursive, values);
    } else if (value.kind == JsonKind::String || value.kind == JsonKind::Number ||
               value.kind == JsonKind::Boolean) {
      appendPlainText(engine, value, values.emplace_back());
    }
  }
}

bool presentValue(const PathTarget& target) {
  return target.state == PathState::Present && target.value.kind != JsonKind::Null;
}

}  // namespace

JsonDocument::JsonDocument() : rootName_("da") {
  initialise();
}

JsonDocument::~JsonDocument() = default;

void JsonDocument::destroy() {
  engine_.reset();
}

std::unique_ptr<JsonDocument> JsonDocument::copy() {
  auto other = std::make_unique<JsonDocument>();
  other->engine_ = engine_;
  return other;
}

void JsonDocument::initialise() {
  engine_ = std::make_shared<JsonEngine>();
}

bool JsonDocument::load(const std::string& text, bool asLiteral, ScriptError* error) {
  if (!engine_) return false;
  try {
    engine_ = std::make_shared<JsonEngine>();
    engine_->setRoot(JsonValue::null());
    // The text ends at its first NUL byte, as a zero-terminated text does.
    std::string_view source(text.data(), std::strlen(text.c_str()));
    JsonParseResult parsed;
    std::string reread;
    if (source.size() >= UINT32_MAX) {
      parsed.errorMessage = "the text is too large";
    } else {
      // Drafts hold about one value per 11 bytes and two thirds of their bytes in strings. Pages
      // reserved but never written cost no memory, so reserve enough to spare any regrowth.
      engine_->nodes().reserve(source.size() / 8 + 16);
      engine_->texts().reserve(source.size());
      parsed =
          asLiteral ? parseJson(source, *engine_) : parseJsonEvalForm(source, *engine_, &reread);
    }
    if (parsed.ok) engine_->setRoot(parsed.value);
    if (error) {
      if (parsed.ok)
        *error = ScriptError();
      else
        describeFailure(*error, reread.empty() ? source : std::string_view(reread),
                        parsed.errorOffset, parsed.errorMessage);
    }
    return parsed.ok && !engine_->root().isNullish();
  } catch (const std::bad_alloc&) {
    engine_ = std::make_shared<JsonEngine>();
    engine_->setRoot(JsonValue::null());
    if (error) describeFailure(*error, {}, 0, "out of memory");
    return false;
  }
}

bool JsonDocument::clear() {
  if (!engine_) return false;
  engine_->reset();
  return true;
}

std::string JsonDocument::rootJson() {
  std::string out;
  if (engine_) appendJson(*engine_, engine_->root(), out);
  return out;
}

PathTarget JsonDocument::locate(const std::string& path) {
  std::string resolved = path;
  resolvePath(resolved);
  if (!engine_) return PathTarget();
  return evaluatePath(*engine_, resolved, rootName_);
}

PathTarget JsonDocument::locateItem(int index, const std::string& path) {
  std::string resolved = path;
  resolvePath(resolved);
  if (!engine_) return PathTarget();
  resolved += '[';
  resolved += std::to_string(index);
  resolved += ']';
  return evaluatePath(*engine_, resolved, rootName_);
}

bool JsonDocument::resolvePath(std::string& path) {
  auto present = [this](const std::string& p) {
    return engine_ && presentValue(evaluatePath(*engine_, p, rootName_));
  };
  if (path.starts_with(rootName_) && present(path)) return true;
  if (path.empty())
    path = rootName_;
  else if (path[0] == '[')
    path = rootName_ + path;
  else
    path = rootName_ + "." + path;
  return present(path);
}

bool JsonDocument::exists(const std::string& path) {
  std::string resolved = path;
  return resolvePath(resolved);
}

int JsonDocument::typeCode(const std::string& path) {
  PathTarget target = locate(path);
  if (target.state == PathState::Failed) return -1;
  switch (target.state == PathState::Present ? target.value.kind : JsonKind::Undefined) {
    case JsonKind::Undefined:
    case JsonKind::Null:
      return 0;
    case JsonKind::Boolean:
      return 1;
    case JsonKind::Number:
      return 2;
    case JsonKind::Object:
      return 4;
    case JsonKind::Array:
      return 5;
    case JsonKind::String:
      return 6;
  }
  return -1;
}

std::string JsonDocument::valueText(const std::string& path, bool asJson) {
  PathTarget target = locate(path);
  std::string out;
  if (target.state != PathState::Present) return out;
  if (asJson)
    appendJson(*engine_, target.value, out);
  else
    appendPlainText(*engine_, target.value, out);
  return out;
}

int JsonDocument::memberNames(std::vector<std::string>& names, const std::string& path) {
  names.clear();
  PathTarget target = locate(path);
  if (target.state != PathState::Present || target.value.kind != JsonKind::Object) return 0;
  for (uint32_t m = 0; m < target.value.size; ++m)
    names.emplace_back(engine_->memberName(target.value, m));
  // The names used to travel as one text split at line breaks, which lost an empty last name.
  if (!names.empty() && names.back().empty()) names.pop_back();
  return static_cast<int>(names.size());
}

int JsonDocument::arrayCount(const std::string& path) {
  PathTarget target = locate(path);
  if (target.state != PathState::Present || target.value.kind != JsonKind::Array) return 0;
  return static_cast<int>(std::min<uint32_t>(target.value.size, INT_MAX));
}

std::string JsonDocument::memberJson(const std::string& path) {
  return valueText(path, true);
}

int JsonDocument::allValues(std::vector<std::string>& values, const std::string& path,
                            bool recursive) {
  values.clear();
  PathTarget target = locate(path);
  if (target.state != PathState::Present || !target.value.isContainer()) return 0;
  collectValues(*engine_, target.value, recursive, values);
  // The values used to travel as one joined text, split again, which lost an empty last value.
  if (!values.empty() && values.back().empty()) values.pop_back();
  return static_cast<int>(std::min<size_t>(values.size(), INT_MAX));
}

JsonEngineRef JsonDocument::engineObject() {
  return engine_;
}

std::unique_ptr<JsonDocument> JsonDocument::derivedDocument(const PathTarget& target) {
  auto derived = std::make_unique<JsonDocument>();
  JsonEngine& engine = *derived->engine_;
  engine.setRoot(JsonValue());
  if (target.state == PathState::Present) engine.setRoot(engine.copyFrom(*engine_, target.value));
  return derived;
}

std::unique_ptr<JsonDocument> JsonDocument::memberDocument(const std::string& path) {
  return derivedDocument(locate(path));
}

std::unique_ptr<JsonDocument> JsonDocument::itemDocument(int index, const std::string& path) {
  return derivedDocument(locateItem(index, path));
}

std::string JsonDocument::itemText(int index, const std::string& path, bool asJson) {
  PathTarget target = locateItem(index, path);
  std::string out;
  if (target.state != PathState::Present) return out;
  if (asJson)
    appendJson(*engine_, target.value, out);
  else if (target.value.kind == JsonKind::String)
    out = engine_->text(target.value);
  return out;
}

}  // namespace talvoren
