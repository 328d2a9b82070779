#include "drafts/segment_index.h"

#include "json/json_document.h"
#include "platform/number_text.h"

namespace talvoren {
namespace {

std::string segmentPath(int track, int segment) {
  return "tracks[" + integerToText(track) + "].segments[" + integerToText(segment) + "]";
}

}  // namespace

SegmentTimes segmentTimes(JsonDocument& draft, int track, int segment) {
  const std::string range = segmentPath(track, segment) + "['target_timerange']";
  return {draft.valueText(range + ".start"), draft.valueText(range + ".duration")};
}

SegmentIndex::SegmentIndex(JsonDocument& draft) {
  const int tracks = draft.arrayCount("tracks");
  for (int track = 0; track < tracks; ++track) {
    const int segments = draft.arrayCount("tracks[" + integerToText(track) + "].segments");
    for (int segment = 0; segment < segments; ++segment) {
      std::string id = draft.valueText(segmentPath(track, segment) + ".material_id");
      if (id.empty() || byMaterial_.contains(id)) continue;
      byMaterial_.emplace(std::move(id), segmentTimes(draft, track, segment));
    }
  }
}

const SegmentTimes* SegmentIndex::find(std::string_view materialId) const {
  const auto found = byMaterial_.find(std::string(materialId));
  return found == byMaterial_.end() ? nullptr : &found->second;
}

}  // namespace talvoren
