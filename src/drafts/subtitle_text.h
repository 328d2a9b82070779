#pragma once

#include <string>

namespace talvoren {

class JsonDocument;

// The words of a text material's content, in whichever form the editor stored them:
// - a JSON object text with a string member "text": that member, exactly;
// - style markup (begins with '<', ends with '>'): every tag removed, then one outer [ ] pair;
// - anything else: the content as it stands.
// `scratch` is a document of the caller's that this may load and leave changed.
std::string subtitleText(const std::string& content, JsonDocument& scratch);

// The markup rule alone: every <...> removed (an unclosed '<' and what follows it stay), then
// one outer [ ] pair.
std::string textWithoutMarkup(const std::string& markup);

}  // namespace talvoren
