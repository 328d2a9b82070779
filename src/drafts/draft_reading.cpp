#include "drafts/draft_reading.h"

#include "drafts/draft_tree.h"
#include "drafts/encryption_guess.h"
#include "drafts/segment_index.h"
#include "drafts/subtitle_text.h"
#include "drafts/time_range.h"
#include "json/json_document.h"
#include "json/json_engine.h"
#include "platform/file_bytes.h"
#include "platform/text_encoding.h"

namespace talvoren {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// Where the members of the last material and segment read stood (see DraftTree::member).
struct RowHints {
  uint32_t id = 0, content = 0;
  SegmentHints segment;
};

// Row k's segment: the one that names text material k, or else the k-th of the second track,
// where drafts without material ids keep their text segments.
DraftTree::Node rowSegment(const DraftTree& draft, const SegmentIndex& index,
                           DraftTree::Node material, uint32_t k, RowHints& hints) {
  const std::string id = draft.text(draft.member(material, "id", &hints.id));
  if (DraftTree::Node named = id.empty() ? nullptr : index.find(id)) return named;
  const DraftTree::Node second = draft.element(draft.member(draft.root(), "tracks"), 1);
  return draft.element(draft.member(second, "segments"), k);
}

std::vector<SubtitleRow> readRows(const DraftTree& draft, DraftTree::Node texts) {
  const SegmentIndex index(draft);
  JsonEngine scratch;
  RowHints hints;
  std::vector<SubtitleRow> rows;
  rows.reserve(draft.count(texts));
  for (uint32_t k = 0; k < draft.count(texts); ++k) {
    const DraftTree::Node material = draft.element(texts, k);
    const DraftTree::Node segment = rowSegment(draft, index, material, k, hints);
    const SegmentTimes times = segmentTimes(draft, segment, hints.segment);
    const std::string content = draft.text(draft.member(material, "content", &hints.content));
    rows.push_back({timeRangeText(times.start, times.duration), subtitleText(content, scratch)});
  }
  return rows;
}

std::vector<SubtitleRow> rowsOfLoadedDraft(JsonDocument& document) {
  const JsonEngineRef engine = document.engineObject();
  if (!engine) return {};
  const DraftTree draft(*engine);
  const DraftTree::Node texts = draft.member(draft.member(draft.root(), "materials"), "texts");
  if (draft.count(texts) == 0) return {};
  return readRows(draft, texts);
}

}  // namespace

std::string draftFilePath(const std::string& folder) {
  return folder + kSeparator + kDraftFileName;
}

DraftReading readDraftFolder(const std::string& folder, JsonDocument& document) {
  FileContents file = readWholeFile(draftFilePath(folder));
  if (file.status != FileReadStatus::read) {
    document.load({});  // the document holds no draft, as after any failed load
    const bool missing = file.status == FileReadStatus::missing;
    return {missing ? DraftOutcome::noFile : DraftOutcome::unreadable, {}, 0, 0, {}};
  }
  return readDraftBytes(file.bytes, document);
}

DraftReading readDraftBytes(const Bytes& bytes, JsonDocument& document) {
  ScriptError error;
  // Most drafts are UTF-8 already; only a draft with broken bytes pays for a mended copy.
  const bool loaded = isUtf8Text(bytes) ? document.load(bytes, false, &error)
                                        : document.load(utf8TextUntilZero(bytes), false, &error);
  DraftReading reading;
  reading.rows = rowsOfLoadedDraft(document);
  if (!reading.rows.empty()) {
    reading.outcome = DraftOutcome::rowsRead;
  } else if (loaded || error.number == 0) {
    reading.outcome = DraftOutcome::noSubtitles;  // a JSON text, but no subtitles in it
  } else if (looksEncrypted(bytes)) {
    reading.outcome = DraftOutcome::looksEncrypted;
  } else {
    reading.outcome = DraftOutcome::notJson;
    reading.errorLine = error.line;
    reading.errorColumn = error.column;
    reading.errorDescription = error.description;
  }
  return reading;
}

}  // namespace talvoren
