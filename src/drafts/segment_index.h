#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "drafts/draft_tree.h"

namespace talvoren {

// A segment's place on the timeline, as value texts (microseconds); empty where it has none.
struct SegmentTimes {
  std::string start;
  std::string duration;
};

// Where the members of the last segment read stood (see DraftTree::member).
struct SegmentHints {
  uint32_t range = 0, start = 0, duration = 0;
};

SegmentTimes segmentTimes(const DraftTree& draft, DraftTree::Node segment, SegmentHints& hints);

// Every segment of every track, by the material it names, built in one pass per draft. When
// several segments name the same material, the first in track order keeps it. Holds views into
// the draft's tree: valid while the tree is.
class SegmentIndex {
 public:
  explicit SegmentIndex(const DraftTree& draft);

  // The segment naming the material, or nullptr.
  DraftTree::Node find(std::string_view materialId) const;

 private:
  std::unordered_map<std::string_view, DraftTree::Node> byMaterial_;
  std::deque<std::string> numberIds_;  // ids written as numbers, in text form
};

}  // namespace talvoren
