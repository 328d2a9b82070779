#pragma once

#include <string>
#include <vector>

#include "drafts/subtitle_row.h"
#include "platform/bytes.h"

namespace talvoren {

class JsonDocument;

// How reading a draft ended. Every way but rowsRead leaves no rows; the user is shown the
// no-subtitles text in each of them, and a command-line front end can say why.
enum class DraftOutcome {
  rowsRead,
  noFile,          // the folder or its draft_content.json does not exist
  unreadable,      // the file exists but could not be read
  notJson,         // the text does not load; errorLine and errorColumn say where
  looksEncrypted,  // not JSON text at all: an encrypted draft of a newer editor
  noSubtitles,     // loaded, but "materials.texts" is absent, empty or not an array
};

struct DraftReading {
  DraftOutcome outcome = DraftOutcome::noFile;
  std::vector<SubtitleRow> rows;  // in the order of "materials.texts"
  int errorLine = 0;              // for notJson: 1-based place of the fault in the text
  int errorColumn = 0;
  std::string errorDescription;
};

inline constexpr char kDraftFileName[] = "draft_content.json";

// The draft file of a draft folder (given without a trailing separator).
std::string draftFilePath(const std::string& folder);

// Reads the draft in `folder` into rows through `document`, which is left holding the draft
// (or no value, when the draft did not load).
DraftReading readDraftFolder(const std::string& folder, JsonDocument& document);

// The same from the draft file's bytes.
DraftReading readDraftBytes(const Bytes& bytes, JsonDocument& document);

}  // namespace talvoren
