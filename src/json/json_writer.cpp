#include "json/json_writer.h"

#include <cmath>

#include "json/json_number_text.h"

namespace talvoren {

void appendJson(const JsonEngine& engine, const JsonValue& value, std::string& out) {
  switch (value.kind) {
    case JsonKind::Undefined:
      return;
    case JsonKind::Null:
      out += "null";
      return;
    case JsonKind::Boolean:
      out += value.boolean ? "true" : "false";
      return;
    case JsonKind::Number:
      if (std::isfinite(value.number))
        appendNumberText(out, value.number);
      else
        out += "null";
      return;
    case JsonKind::String:
      appendQuotedJson(engine.text(value), out);
      return;
    case JsonKind::Array:
      out += '[';
      for (uint32_t i = 0; i < value.size; ++i) {
        if (i > 0) out += ',';
        const JsonValue& element = engine.node(JsonEngine::elementId(value, i));
        if (element.kind == JsonKind::Undefined)
          out += "null";
        else
          appendJson(engine, element, out);
      }
      out += ']';
      return;
    case JsonKind::Object: {
      out += '{';
      bool first = true;
      for (uint32_t m = 0; m < value.size; ++m) {
        const JsonValue& member = engine.node(JsonEngine::memberId(value, m));
        if (member.kind == JsonKind::Undefined) continue;
        if (!first) out += ',';
        first = false;
        appendQuotedJson(engine.memberName(value, m), out);
        out += ':';
        appendJson(engine, member, out);
      }
      out += '}';
      return;
    }
  }
}

void appendPlainText(const JsonEngine& engine, const JsonValue& value, std::string& out) {
  switch (value.kind) {
    case JsonKind::Undefined:
    case JsonKind::Null:
      return;
    case JsonKind::Boolean:
      out += value.boolean ? "true" : "false";
      return;
    case JsonKind::Number:
      appendNumberText(out, value.number);
      return;
    case JsonKind::String:
      out += engine.text(value);
      return;
    case JsonKind::Array:
      for (uint32_t i = 0; i < value.size; ++i) {
        if (i > 0) out += ',';
        appendPlainText(engine, engine.node(JsonEngine::elementId(value, i)), out);
      }
      return;
    case JsonKind::Object:
      out += "[object Object]";
      return;
  }
}

}  // namespace talvoren
