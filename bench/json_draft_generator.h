#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace talvoren::bench {

// A made-up draft_content.json of about `bytes` bytes, shaped like the editor's own: wide objects
// of numbers, flags and ids, text materials whose content is JSON inside a string (with escapes,
// Chinese and emoji), and the matching segments on tracks[1]. The same seed gives the same text.
struct GeneratedDraft {
  std::string text;
  int subtitles = 0;
};
GeneratedDraft generateDraft(size_t bytes, uint32_t seed = 1);

}  // namespace talvoren::bench
