#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace talvoren {

class JsonDocument;

// A segment's place on the timeline, as the document's value texts (microseconds).
struct SegmentTimes {
  std::string start;
  std::string duration;
};

// Every segment of every track, by the material it names. Built in one pass per draft. When
// several segments name the same material, the first in track order keeps it.
class SegmentIndex {
 public:
  explicit SegmentIndex(JsonDocument& draft);

  const SegmentTimes* find(std::string_view materialId) const;

 private:
  std::unordered_map<std::string, SegmentTimes> byMaterial_;
};

// The times of segment `segment` of track `track`; empty texts where the draft has none.
SegmentTimes segmentTimes(JsonDocument& draft, int track, int segment);

}  // namespace talvoren
