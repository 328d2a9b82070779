#pragma once

#include <cstddef>
#include <string_view>

#include "json/json_engine.h"
#include "json/json_value.h"

namespace talvoren {

struct JsonParseResult {
  bool ok = false;
  JsonValue value;         // the top-level value, its children already in the engine's pools
  int depth = 0;           // nesting of the deepest value, 1 for a scalar
  size_t errorOffset = 0;  // byte offset of the fault
  std::string_view errorMessage;
};

// Parses a whole JSON text (RFC 8259) into the engine's pools. Strict: no comments, no trailing
// commas, no bytes outside the grammar (a NUL byte included). A leading U+FEFF counts as white
// space; ill-formed UTF-8 and lone surrogate escapes in strings read as U+FFFD; duplicate member
// names keep the first name's place and the last value. Nesting deeper than
// JsonEngine::kMaxDepth is refused. On failure the pools are left as they were.
JsonParseResult parseJson(std::string_view text, JsonEngine& engine);

}  // namespace talvoren

namespace talvoren {

// A value text read as a script's eval reads it: a JSON text, and when that is a string, the
// string's content read once more as a JSON text (so "\"[1,2]\"" gives the array and "\"abc\""
// fails). `reread`, when given, receives that content, to which a failure's offset then refers.
JsonParseResult parseJsonEvalForm(std::string_view text, JsonEngine& engine,
                                  std::string* reread = nullptr);

}  // namespace talvoren
