#include "drafts/segment_index.h"

namespace talvoren {

SegmentTimes segmentTimes(const DraftTree& draft, DraftTree::Node segment, SegmentHints& hints) {
  const DraftTree::Node range = draft.member(segment, "target_timerange", &hints.range);
  return {draft.text(draft.member(range, "start", &hints.start)),
          draft.text(draft.member(range, "duration", &hints.duration))};
}

SegmentIndex::SegmentIndex(const DraftTree& draft) {
  const DraftTree::Node tracks = draft.member(draft.root(), "tracks");
  std::size_t total = 0;
  for (uint32_t t = 0; t < draft.count(tracks); ++t) {
    total += draft.count(draft.member(draft.element(tracks, t), "segments"));
  }
  byMaterial_.reserve(total);
  uint32_t idHint = 0;
  for (uint32_t t = 0; t < draft.count(tracks); ++t) {
    const DraftTree::Node segments = draft.member(draft.element(tracks, t), "segments");
    for (uint32_t s = 0; s < draft.count(segments); ++s) {
      const DraftTree::Node segment = draft.element(segments, s);
      const DraftTree::Node idValue = draft.member(segment, "material_id", &idHint);
      std::string_view id;
      if (!idValue) continue;
      if (!draft.stringView(idValue, id)) id = numberIds_.emplace_back(draft.text(idValue));
      if (!id.empty()) byMaterial_.try_emplace(id, segment);
    }
  }
}

DraftTree::Node SegmentIndex::find(std::string_view materialId) const {
  const auto found = byMaterial_.find(materialId);
  return found == byMaterial_.end() ? nullptr : found->second;
}

}  // namespace talvoren
