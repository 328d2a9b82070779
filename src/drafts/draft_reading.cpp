#include "drafts/draft_reading.h"

#include "drafts/encryption_guess.h"
#include "drafts/segment_index.h"
#include "drafts/subtitle_text.h"
#include "drafts/time_range.h"
#include "json/json_document.h"
#include "platform/file_bytes.h"
#include "platform/number_text.h"
#include "platform/text_encoding.h"

namespace talvoren {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string materialPath(int k) {
  return "materials.texts[" + integerToText(k) + "]";
}

// Row k's segment: the one that names text material k, or else the k-th of the second track,
// the place where drafts without material ids keep their text segments.
SegmentTimes rowTimes(JsonDocument& draft, const SegmentIndex& index, int k) {
  const std::string id = draft.valueText(materialPath(k) + ".id");
  if (const SegmentTimes* named = id.empty() ? nullptr : index.find(id)) return *named;
  return segmentTimes(draft, 1, k);
}

std::vector<SubtitleRow> readRows(JsonDocument& draft, int count) {
  const SegmentIndex index(draft);
  JsonDocument scratch;
  std::vector<SubtitleRow> rows;
  rows.reserve(count);
  for (int k = 0; k < count; ++k) {
    const SegmentTimes times = rowTimes(draft, index, k);
    rows.push_back({timeRangeText(times.start, times.duration),
                    subtitleText(draft.valueText(materialPath(k) + ".content"), scratch)});
  }
  return rows;
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
  const bool loaded = document.load(utf8TextUntilZero(bytes), false, &error);
  DraftReading reading;
  const int count = document.arrayCount("materials.texts");
  if (count > 0) {
    reading.outcome = DraftOutcome::rowsRead;
    reading.rows = readRows(document, count);
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
