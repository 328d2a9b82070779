#pragma once

#include <string>

namespace talvoren {

class JsonEngine;

// The words of a text material's content, in whichever form the editor stored them:
// - a JSON object text with a string member "text": that member, exactly;
// - style markup (begins with '<', ends with '>'): every tag removed, then one outer [ ] pair;
// - anything else: the content as it stands.
// `scratch` is an engine of the caller's that this parses into, kept across calls so that its
// pools are allocated once per draft.
std::string subtitleText(const std::string& content, JsonEngine& scratch);

// The markup rule alone: every <...> removed (an unclosed '<' and what follows it stay), then
// one outer [ ] pair.
std::string textWithoutMarkup(const std::string& markup);

}  // namespace talvoren
