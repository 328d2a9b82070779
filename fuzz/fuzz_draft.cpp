// The whole road of a draft: file bytes -> rows -> export bytes in both layouts. No input may
// crash or hang, and what comes out must keep the shapes the table and the files rely on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "drafts/draft_reading.h"
#include "export/export_text.h"
#include "json/json_document.h"
#include "platform/utf8.h"

namespace {

using namespace talvoren;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// A timestamp's shape as far as any value text keeps it: a draft may hold negative numbers or
// texts where times belong, and those only keep the comma before the last three characters.
bool isTimestamp(std::string_view text) {
  return text.size() >= 12 && text[text.size() - 4] == ',';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes bytes(reinterpret_cast<const char*>(data), size);
  JsonDocument document;
  const DraftReading reading = readDraftBytes(bytes, document);
  require((reading.outcome == DraftOutcome::rowsRead) == !reading.rows.empty());
  for (const SubtitleRow& row : reading.rows) {
    // The end is written from a number and holds no blank, so the last arrow is the separator.
    const std::size_t arrow = row.timeRange.rfind(" --> ");
    require(arrow != std::string::npos);
    require(isTimestamp(std::string_view(row.timeRange).substr(0, arrow)));
    require(isTimestamp(std::string_view(row.timeRange).substr(arrow + 5)));
    require(wellFormedUtf8(row.text) == row.text);  // every text of the table is UTF-8
  }
  for (int style : {0, 1}) {
    const std::string text = buildExportText(reading.rows, style);
    const Bytes file = exportFileBytes(text);
    require(file.size() == text.size() + 3 && file.starts_with("\xEF\xBB\xBF"));
    if (reading.rows.empty()) require(text.empty());
    if (style == 1 && !reading.rows.empty()) require(text.starts_with("1\r\n"));
  }
  return 0;
}
