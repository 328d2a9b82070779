#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "json/json_engine.h"

namespace talvoren {

// How a member expression such as da.tracks[1]['target_timerange'].start evaluates, as a script
// would: a property of undefined or null, a global other than the root name, or text that is not
// a plain member expression fails; a missing last member is undefined.
enum class PathState { Failed, Undefined, Present };

// The last accessor of a path: a member name, which may also be an array index.
struct PathKey {
  std::string name;
  bool isIndex = false;
  uint32_t index = 0;
};

struct PathTarget {
  PathState state = PathState::Failed;
  JsonValue value;                      // when Present
  uint32_t id = JsonEngine::kNone;      // the slot that holds the value, when it has one
  uint32_t parent = JsonEngine::kNone;  // the value the last accessor was applied to
  PathKey key;
  int depth = 1;  // the root is at depth 1
};

// Paths are: the root name, then any of .name, [digits], [-digits], ['name'] and ["name"].
// Arrays and strings also answer .length, read-only.
PathTarget evaluatePath(const JsonEngine& engine, std::string_view path, std::string_view rootName);

}  // namespace talvoren
